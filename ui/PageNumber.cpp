#include "ui/PageNumber.h"

#include <limits>

namespace ui {

std::optional<int32_t> ReadPageNumber(const QString& text)
{
    int64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<int32_t>::max())
            return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

QString PageNumberRefused()
{
    return QString::fromUtf8(u8"ページ番号は0から2147483647までの数字で指定してください");
}

}
