#pragma once
// Text that came from outside the program (the web server's version file, the settings file)
// shown inside the program's own messages: control characters would break the layout, and
// bidirectional overrides or isolates would reorder the program's own words around them.

#include <QString>

/// The text without control characters and without bidirectional embedding, override, isolate
/// and mark characters.
QString PlainText(const QString& text);
