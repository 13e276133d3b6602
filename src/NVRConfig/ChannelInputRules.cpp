#include "ChannelInputRules.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace ChannelInputRules {

void setCredentialValidator(QLineEdit *edit)
{
    edit->setMaxLength(31);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\x{04BB}-\\x{FFFD}]{0,31}")), edit));
}

void showListed(QLineEdit *edit, const QString &text)
{
    edit->setMaxLength(qMax(31, text.size()));
    edit->setText(text);
}

} // namespace ChannelInputRules
