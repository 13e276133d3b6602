#pragma once

#include "ConfigConversation.h"

#include <QPointer>

// Where the add, edit, rights and contact dialogs of the user dialogs send:
// through the user dialog's conversation, so that the answer comes back to
// the user dialog. Empty (a dialog opened on its own): straight to the
// device, and no answer is read.
//
// Every request sent along a route carries a tag of its own (nextTag()):
// the conversation hands it back with the answer the session's ledger says
// pays that request, and only that answer settles it. A delete and a
// password change share their reply command; an answer is never taken for
// another request's by the order it came in.
struct UserRequestRoute
{
    QPointer<ConfigConversation> conversation;
    QPointer<QObject> requester;

    // Above the read rounds' tags: a request's answer never passes for a read's.
    static quint64 nextTag()
    {
        static quint64 last = quint64(1) << 61;
        return ++last;
    }
};
