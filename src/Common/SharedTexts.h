#pragma once

// Message texts that several dialogs share, each in one function so it is
// translated once. A confirmation is areYouSureText() followed by an ending
// such as deleteDeviceText(). The owning dialogs forward to these.

#include "DatabaseTrouble.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class SharedTexts
{
    Q_DECLARE_TR_FUNCTIONS(SharedTexts)

public:
    static QString deviceFilterPlaceholderText();
    static QString incompleteInfoText();
    static QString areYouSureText();
    static QString deleteUserText();
    static QString deleteDeviceText();
    static QString tipDeleteGroup();
    static QString rebootText();
    static QString restoreText();
    static QString configFailedText();
    // A read of the device's settings or lists failed: nothing was configured.
    static QString readFailedText();
    static QString configSuccessText();
    static QString invalidFormatText();
    static QString passwordMismatchText();
    static QString ipAvailableText();
    static QString ipInUseText();
    static QString subnetMismatchText();
    static QString selectDeviceFirstText();
    static QString tipDefaultUndeletable();

    // A write of the client's database that waits for another program
    // holding it, one given up on that, and the words for any write that did
    // not land, by why (the caller tells it: OrmDatabase::trouble). A damaged
    // file is named; other reasons are the log's.
    static QString waitingText();
    static QString heldText();
    static QString failureText(const DatabaseTrouble &trouble);
    // The same for a read a window needs before it can be used.
    static QString readWaitingText();
    static QString readFailureText(const DatabaseTrouble &trouble);

    // Monday first, built at each call so it follows the language.
    static QStringList weekDayList();
};

// Free function form used by the device filter fields.
QString deviceFilterPlaceholderText();
