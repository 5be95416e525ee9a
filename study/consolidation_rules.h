#pragma once

#include <QString>

// The rules of the consolidation test, apart from its window: what a wrong
// answer earns, where the first wrong character is and what to say about it,
// the praise after a right answer, and how the two number boxes are read.
namespace tawen {

// What the window does after a wrong answer.
struct MissVerdict {
    QString prompt;           // line 1
    bool showLength = false;  // line 2 gives the answer's length
    bool pointOut = false;    // line 3 hints at the first wrong character, the
                              // caret goes before it, the rest is selected
    bool selectAll = false;   // the whole input is selected
    bool record = false;      // the word goes into the error table
};

// The verdict for miss m of a allowed, the miss reaching the allowed count
// being the one that gives the answer and records the word.
MissVerdict judgeMiss(int miss, int allowed, bool hints, const QString& typed,
                      const QString& answer);

// Line 2 after a miss: "2.长度为：" + length + "字节;".
QString lengthLine(const QString& answer);

// Where the first wrong character is: the hint for line 3 and the caret
// position before that character.
struct WrongCharacter {
    QString hint;
    int caret = 0;
};

// pdsm: the first of the first 23 characters that differs; past those, the
// rest of the answer.
WrongCharacter pointAtFirstWrong(const QString& typed, const QString& answer);

// znpddx: the hint for character k (from 1) of the answer against the same
// character of the typed text.
QString characterHint(int k, const QString& typed, const QString& answer);

// The praise for a draw of 0 to 9 and the remark on a word of this length.
QString praise(int draw);
QString difficultyRemark(int length);

// 许错遍数: the integer part of the number in the box; 3 for a text that is
// no number at all.
int allowedMisses(const QString& text);

// 隔读秒数 in milliseconds; the seconds may have a fraction, 3 for a text
// that is no number at all. A period of 0 (or below) never ticks.
int readingInterval(const QString& text);

}  // namespace tawen
