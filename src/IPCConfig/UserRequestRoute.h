#pragma once

#include "ConfigConversation.h"

#include <QPointer>

// Where the add, edit, rights and contact dialogs of the user dialogs send:
// through the user dialog's conversation, so that the answer comes back to
// the user dialog. Empty (a dialog opened on its own): straight to the
// device, and no answer is read.
struct UserRequestRoute
{
    QPointer<ConfigConversation> conversation;
    QPointer<QObject> requester;
};
