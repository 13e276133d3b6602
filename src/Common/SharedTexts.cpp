#include "SharedTexts.h"

QString SharedTexts::deviceFilterPlaceholderText()
{
    return tr("Enter the device name to filter");
}
QString SharedTexts::incompleteInfoText()
{
    return tr("Incomplete information");
}
QString SharedTexts::areYouSureText()
{
    return tr("Are you sure you want to ");
}
QString SharedTexts::deleteUserText()
{
    return tr("delete this user?");
}
QString SharedTexts::deleteDeviceText()
{
    return tr("delete this device?");
}
QString SharedTexts::tipDeleteGroup()
{
    return tr("delete this Group?");
}
QString SharedTexts::rebootText()
{
    return tr("reboot this device?");
}
QString SharedTexts::restoreText()
{
    return tr("restore this device?");
}
QString SharedTexts::configFailedText()
{
    return tr("Configuration failed");
}
QString SharedTexts::readFailedText()
{
    return tr("Reading from the device failed");
}
QString SharedTexts::configSuccessText()
{
    return tr("Configuration successful");
}
QString SharedTexts::invalidFormatText()
{
    return tr("Invalid format");
}
QString SharedTexts::passwordMismatchText()
{
    return tr("New password and confirmation password do not match");
}
QString SharedTexts::ipAvailableText()
{
    return tr("The IP address is available.");
}
QString SharedTexts::ipInUseText()
{
    return tr("The IP address is already in use.");
}
QString SharedTexts::subnetMismatchText()
{
    return tr("The IP and gateway are not in the same subnet.");
}
QString SharedTexts::selectDeviceFirstText()
{
    return tr("Please select a device before making any changes.");
}
QString SharedTexts::tipDefaultUndeletable()
{
    return tr("Default users or roles cannot be deleted.");
}

QString SharedTexts::waitingText()
{
    return tr("Saving: the database is in use by another program; waiting for it...");
}

QString SharedTexts::heldText()
{
    return tr("Configuration failed: the database is in use by another program");
}

QString SharedTexts::failureText(const DatabaseTrouble &trouble)
{
    // Any other reason is the log's: the operator could do nothing with it.
    switch (trouble.kind) {
    case DatabaseTrouble::Held:
        return heldText();
    case DatabaseTrouble::Damaged:
        return tr("Configuration failed: the database file %1 is damaged").arg(trouble.file);
    default:
        return configFailedText();
    }
}

QString SharedTexts::readWaitingText()
{
    return tr("Reading: the database is in use by another program; waiting for it...");
}

QString SharedTexts::readFailureText(const DatabaseTrouble &trouble)
{
    switch (trouble.kind) {
    case DatabaseTrouble::Held:
        return tr("Reading failed: the database is in use by another program");
    case DatabaseTrouble::Damaged:
        return tr("Reading failed: the database file %1 is damaged").arg(trouble.file);
    default:
        return tr("Reading from the database failed");
    }
}

QStringList SharedTexts::weekDayList()
{
    return {tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"), tr("Friday"), tr("Saturday"), tr("Sunday")};
}

QString deviceFilterPlaceholderText()
{
    return SharedTexts::deviceFilterPlaceholderText();
}
