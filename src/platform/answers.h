#pragma once

#include <QDate>
#include <QString>

// What a typed answer asks of the window. Each reader returns a std::variant
// of these and of its own accepted values.
namespace Answer
{

struct NoAction { // cancelled, or not meant as an answer: end without a word
};

struct Warn { // refused: say why and change nothing
    QString text;
};

struct JumpTo {
    QDate date;
};

// Visits a variant with one lambda per alternative.
template<class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template<class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace Answer
