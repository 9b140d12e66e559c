#include "ui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "core/Texts.h"

namespace {

class SystemClipboard : public IClipboard {
public:
    bool SetListBytes(const std::string& bytes) override
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
        auto* mime = new QMimeData;
        mime->setData(Format(), data);
        clipboard->setMimeData(mime);
        // Some platforms take the data only when another program asks; what
        // can be read back now is what a paste will get.
        const QMimeData* held = clipboard->mimeData();
        return held != nullptr && held->hasFormat(Format()) && held->data(Format()) == data;
    }

    bool GetListBytes(std::string* bytes) override
    {
        const QMimeData* held = QGuiApplication::clipboard()->mimeData();
        if (held == nullptr || !held->hasFormat(Format()))
            return false;
        *bytes = held->data(Format()).toStdString();
        return true;
    }

private:
    static QString Format() { return QString::fromStdString(T(Txt::ClipboardFormat)); }
};

IClipboard* g_clipboard = nullptr;

}

IClipboard& GetClipboard()
{
    static SystemClipboard system;
    return g_clipboard != nullptr ? *g_clipboard : system;
}

void SetClipboard(IClipboard* clipboard) { g_clipboard = clipboard; }
