#pragma once

#include "app/MessageBoxes.h"

#include <QList>
#include <functional>

// Message boxes answered by the test. Each box shown is recorded; while it is "open" the test
// may run code (as events arrive while a real modal box is open).
class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString prompt;
        QString title;
        Buttons buttons;
        Icon icon;
    };

    QList<Shown> shown;
    QList<Answer> answers; // taken in order; OK once they run out
    std::function<void(const Shown&)> whileOpen;

    Answer show(const QString& prompt, const QString& title, Buttons buttons, Icon icon) override
    {
        shown.append({prompt, title, buttons, icon});
        if (whileOpen)
            whileOpen(shown.last());
        return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
    }
};
