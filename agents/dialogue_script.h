#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// Dialogue scripts: GB18030 text, an English line followed by its Chinese
// translation, pair after pair, with nothing between them. CR LF and a lone
// CR end a line (a lone LF stays in it); a break after the last line adds
// none; lines are kept exactly as they are.
namespace tawen {

struct DialogueRow {
    QString english;
    QString chinese;
};

struct DialogueScript {
    QList<DialogueRow> rows;
    // False when the file could not be read to its end as pairs of lines:
    // it could not be opened, it broke off inside a pair (the last row then
    // has no Chinese), or a line is not GB18030 text (the rows before it stay).
    bool complete = true;
};

DialogueScript readDialogueScript(const QString& path);
DialogueScript parseDialogueScript(QByteArrayView bytes);

// The gesture that goes with a line, for r in [0, 1): k = 10·r rounded to
// the nearest whole number, halves to even, picks from eleven animations.
QString turnAnimation(double r);

}  // namespace tawen
