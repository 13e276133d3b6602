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

bool isPort(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[1-9][0-9]{0,4}$"));
    return digits.match(text).hasMatch() && text.toUInt() <= 65535;
}

void showListed(QLineEdit *edit, const QString &text)
{
    edit->setMaxLength(qMax(31, text.size()));
    edit->setText(text);
}

} // namespace ChannelInputRules
