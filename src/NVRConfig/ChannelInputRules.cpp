#include "ChannelInputRules.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace ChannelInputRules {

QString ipv4Pattern()
{
    return QStringLiteral("^((25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)$");
}

bool isIpv4(const QString &text)
{
    static const QRegularExpression re(ipv4Pattern());
    return re.match(text).hasMatch();
}

void setIpv4Validator(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(ipv4Pattern()), edit));
}

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
