#pragma once

// Texts placed into the bodies of camera configuration commands. Each text is
// made safe exactly once: a body escaped twice shows "&amp;" on the camera, a
// body not escaped at all is refused by the envelope builder.

#include <QString>

namespace IpcBodyText {

// A text the operator typed or the camera sent, placed as it is.
QString plain(const QString &text);

// A text the camera keeps in its own encoding, chosen by its CPU text: hex of
// GBK (empty CPU), hex of UTF-8 (listed chips) or the text already escaped
// (any other CPU). Never escape the result again.
QString encoded(const QString &text, const QString &cpu);

// The reverse of encoded() for a value read from a reply (entities already
// decoded by the reader).
QString decoded(const QString &value, const QString &cpu);

} // namespace IpcBodyText
