#include "ui/UiText.h"

#include "core/Cp932.h"

namespace ui {

QString FromCp932(const std::string& text) { return QString::fromStdString(cp932::ToUTF8(text)); }

QString Text(Txt id) { return FromCp932(T(id)); }

bool ToCp932(const QString& text, std::string* out)
{
    bool lossless = true;
    *out = cp932::FromUTF8(text.toStdString(), &lossless);
    return lossless;
}

QString NotCp932(const QString& text)
{
    QString found;
    std::string ignored;
    for (qsizetype i = 0; i < text.size();) {
        // A character outside the basic plane takes two QChars.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!ToCp932(character, &ignored) && !found.contains(character))
            found += character;
        i += length;
    }
    return found;
}

}
