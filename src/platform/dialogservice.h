#pragma once

#include "integer.h"

#include <QString>

// Both kinds of message come to the foreground over the window.
enum class MessageStyle {
    Information, // information icon
    Warning, // exclamation icon
};

// The program's only ways to talk to the user besides the window itself: a
// one-line input prompt and a message box, both modal. Line breaks in the
// texts are single carriage returns (holiday list: line feeds).
class DialogService
{
public:
    virtual ~DialogService() = default;

    // The text typed on OK; an empty text on Cancel or when the prompt is closed.
    // The position is the prompt's top-left corner on the screen, in twips;
    // a wide desktop needs more than 16 bits for it.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText,
        int leftTwips, int topTwips) = 0;

    virtual void msgBox(const QString &prompt, MessageStyle style, const QString &title) = 0;
};

// Positions on the screen are kept in twips, 1/1440 inch, 15 to a logical pixel.
inline constexpr int TwipsPerPixel = 15;
