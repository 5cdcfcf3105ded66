#include "fakedialogservice.h"

QString FakeDialogService::inputBox(const QString &prompt, const QString &title, const QString &defaultText,
    int leftTwips, int topTwips)
{
    prompts.append({prompt, title, defaultText, leftTwips, topTwips});
    order.append(QStringLiteral("prompt"));
    if (whileDialogOpen)
        whileDialogOpen();
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

void FakeDialogService::msgBox(const QString &prompt, MessageStyle style, const QString &title)
{
    messages.append({prompt, style, title});
    order.append(QStringLiteral("message"));
    if (whileDialogOpen)
        whileDialogOpen();
}

void FakeDialogService::clear()
{
    answers.clear();
    prompts.clear();
    messages.clear();
    order.clear();
}
