#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

class CSCDialog;
class QLineEdit;
class QWidget;

// Reading the plain fields of the settings dialogs: digit counts, page
// numbers and the texts that go into a script line.
namespace ui {

// A dialog's own on-screen text, written as a UTF-8 literal in its source.
inline QString Utf8(const char8_t* text) { return QString::fromUtf8(reinterpret_cast<const char*>(text)); }

// An edit that takes at most `maxDigits` of the digits 0-9 from the user. A
// stored value put into it is shown whole, even when longer or negative, so
// that OK sees and can refuse what the action held.
QLineEdit* MakeDigitEdit(QWidget* parent, int maxDigits);

// The decimal value of the text's leading digits, 0 when there are none; a
// value past 32 bits reads as INT32_MAX.
int32_t LeadingNumber(const QString& text);

// A line feed, carriage return or tab would split or shift the script line
// that the text goes into. (In CP932 these bytes never end a two-byte character.)
bool HasLineControl(std::string_view cp932);
bool HasLineControl(const QString& text);

// A text edit bound to a stored CP932 text. A text the user leaves alone keeps
// its stored bytes, which the edit may not be able to show exactly.
class KeptText {
public:
    void Load(QLineEdit* edit, const std::string& stored);
    bool Touched() const;
    // The bytes to store. False when a typed character has no CP932 form;
    // `dialog`, when given, then tells the user and puts the focus on the edit.
    bool Read(CSCDialog* dialog, std::string* out) const;

private:
    QLineEdit* m_edit = nullptr;
    QString m_shown;
    std::string m_stored;
};

}
