#pragma once

#include "platform/dialogservice.h"

#include <QList>
#include <QString>

#include <functional>

struct RecordedPrompt {
    QString prompt, title, defaultText;
    int leftTwips = 0, topTwips = 0;
};

struct RecordedMessage {
    QString prompt;
    MessageStyle style = MessageStyle::Information;
    QString title;
};

// Answers prompts from a script and records every prompt and message.
class FakeDialogService : public DialogService
{
public:
    // Answers given to the next prompts, first one first; once they are used
    // up every prompt is cancelled (an empty text).
    QList<QString> answers;
    QList<RecordedPrompt> prompts;
    QList<RecordedMessage> messages;
    // Runs while a prompt or a message is "open", to look at the window
    // behind it or to act as the dialog's own event loop would. (Not an empty
    // lambda: clang-format 14 and 19 write one differently.)
    std::function<void()> whileDialogOpen;

    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText, int leftTwips,
        int topTwips) override
    {
        prompts.append({prompt, title, defaultText, leftTwips, topTwips});
        if (whileDialogOpen)
            whileDialogOpen();
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    void msgBox(const QString &prompt, MessageStyle style, const QString &title) override
    {
        messages.append({prompt, style, title});
        if (whileDialogOpen)
            whileDialogOpen();
    }

    void clear() { *this = FakeDialogService(); }
};
