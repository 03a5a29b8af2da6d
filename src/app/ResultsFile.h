#pragma once

#include <QStringList>

class QWidget;

namespace app {

enum class SaveOutcome { Saved, Cancelled, Failed };

// Asks in the Save As dialog where the lines go and writes them there as
// the results file, whole or not at all. A save that fails says so in its
// message box before it returns.
SaveOutcome saveResultsFile(QWidget *parent, const QStringList &lines);

} // namespace app
