#pragma once

#include <QString>
#include <QStringList>

class QPrintDialog;

// What became of a file name typed in the Print dialog, printing to a file,
// and its print button clicked.
struct TypedPrint {
    bool accepted = false; // the dialog closed as accepted; one left open is cancelled
    QStringList qtBoxes;   // the texts of the boxes the dialog showed, each answered as Escape answers it
    bool opened = false;   // something opened what the name named (a FIFO, a device) meanwhile
};

// Opens dialog, types name and clicks Print. Nothing waits for a person, nor
// for another process: every box the dialog shows is answered, and a FIFO at
// name has a reader, so that an open of it returns.
TypedPrint typeAndPrint(QPrintDialog &dialog, const QString &name);
