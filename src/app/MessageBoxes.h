#pragma once

#include <QString>

// Modal message boxes behind a seam, so tests can answer them and see what was shown.
// A box is modal: while it is open, timer and browser events still arrive.
class MessageBoxes
{
public:
    enum class Buttons
    {
        Ok,
        OkCancel
    };
    enum class Icon
    {
        None,
        Question,
        Information
    };
    enum class Answer
    {
        Ok,
        Cancel,
        Closed
    };

    virtual ~MessageBoxes() = default;

    // An empty title shows the application's title.
    virtual Answer show(const QString& prompt, const QString& title, Buttons buttons,
                        Icon icon) = 0;
};
