#include "look.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace
{

// What a colour made readable aims at (see readable()).
constexpr double DerivedContrast = 5.0;

double luminance(const QColor &color)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

} // namespace

namespace Look
{

double contrast(const QColor &a, const QColor &b)
{
    // The list form returns values, not references to the temporaries.
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

QColor readable(const QColor &wanted, const QColor &background)
{
    if (contrast(wanted, background) >= MinimumContrast)
        return wanted;
    float hue = 0, saturation = 0, lightness = 0;
    wanted.getHslF(&hue, &saturation, &lightness);
    // Measured as painted, in 8 bits a channel.
    const auto withLightness = [&](float value) {
        const QColor color = QColor::fromHslF(hue, saturation, value);
        return QColor(color.red(), color.green(), color.blue());
    };
    // Luminance grows with lightness; white or black reads best.
    float near = lightness;
    float far = contrast(Qt::white, background) > contrast(Qt::black, background) ? 1.0f : 0.0f;
    for (int step = 0; step < 16; ++step) {
        const float middle = (near + far) / 2;
        (contrast(withLightness(middle), background) >= DerivedContrast ? far : near) = middle;
    }
    return withLightness(far);
}

QPalette valueBox(const QPalette &scheme)
{
    const QColor text = scheme.color(QPalette::WindowText);
    const QColor background =
        contrast(text, Qt::white) >= MinimumContrast ? QColor(Qt::white) : scheme.color(QPalette::Base);
    QPalette box = scheme;
    box.setColor(QPalette::Window, background);
    box.setColor(QPalette::WindowText, readable(text, background));
    return box;
}

void fitTexts(const QList<QLabel *> &labels)
{
    const auto fits = [&labels](const QFont &font) {
        const QFontMetrics metrics(font);
        return std::all_of(labels.begin(), labels.end(), [&metrics](const QLabel *label) {
            return metrics.horizontalAdvance(label->text()) <= label->contentsRect().width();
        });
    };
    if (labels.isEmpty() || fits(labels.first()->font()))
        return;
    const QFont asked = labels.first()->font();
    // Liberation Sans, from the package the narrow face comes with, is
    // narrower than the sans faces a desktop usually falls back to.
    const int steps = int(std::floor((asked.pointSizeF() - 6.0) * 4)); // quarter points, down to 6
    for (int step = 0; step <= steps; ++step) {
        const qreal points = asked.pointSizeF() - step / 4.0;
        for (const QString &family : {asked.family(), QStringLiteral("Liberation Sans")}) {
            QFont font = asked;
            font.setFamily(family);
            font.setPointSizeF(points);
            if (fits(font)) {
                for (QLabel *label : labels)
                    label->setFont(font);
                return;
            }
        }
    }
}

} // namespace Look
