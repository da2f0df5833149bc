#pragma once

#include <QList>
#include <QString>

class Prompter;

// Text typed into a field, checked before it reaches a database driver or a report.
// PostgreSQL refuses a NUL outright, a lone surrogate cannot be turned into UTF-8, and
// an indexed value longer than about 2,700 bytes cannot be indexed there: neither engine
// would give such text back as typed.
namespace TextInput {

// Room for any real name or address line, and within the index limit at four bytes a
// character.
constexpr qsizetype longestText = 255;
// A badge reader's longest identifier, with room to spare.
constexpr qsizetype longestCardNumber = 32;

enum class Problem
{
    None,
    Empty,      // nothing, or nothing but blanks
    Unstorable, // a control character or a lone surrogate
    TooLong,
    Blanks, // only for card numbers
};

// A field's text and the name the user knows it by, as it reads inside a sentence.
struct Field
{
    QString name;
    QString text;
};

// Control characters (C0, DEL, C1) and lone UTF-16 surrogates are what cannot be stored.
bool storable(const QString &text);
// `text` with every character that cannot be stored replaced by U+FFFD.
QString storableCopy(const QString &text);

// The problem of `text` as it would be stored, without surrounding blanks.
Problem problem(const QString &text);
// Card numbers are kept as a reader sends them, letters included, but a blank or an
// overlong number is a mistyping: no reader sends one.
Problem cardNumberProblem(const QString &cardNumber);

// Tells the user about the first field whose text cannot be stored or is too long, and
// returns true; false when there is none. Empty fields are left to the caller: each
// dialog words that itself.
bool refused(Prompter &prompter, const QList<Field> &fields);
// The same for a card number, which must also hold no blank.
bool refusedCardNumber(Prompter &prompter, const Field &cardNumber);

} // namespace TextInput
