#include "core/SpecExport.h"

#include "core/CStepchainData.h"
#include "core/Cp932.h"
#include "core/Texts.h"

#include <sstream>

namespace {

constexpr std::string_view kActionLineOpening = "                <tr>\n";

std::string PropertyRowOpening(const std::string& name)
{
    return Format(
        "    <tr>\n        <td>\n            %s\n        </td>\n        <td >\n"
        "            <table border='1' cellspacing='0' cellpadding='0'>\n"
        "                <tr>\n                    <td>No.</td>\n"
        "                    <td>%s</td>\n                    <td>%s</td>\n                </tr>\n",
        {EscapeHtml(name), T(Txt::SpecKindHeading), T(Txt::SpecDetailHeading)});
}

constexpr std::string_view kPropertyRowClosing = "            </table>\n\t\t</td>\n    </tr>\n";

std::string PropertyRowEmpty(const std::string& name)
{
    return Format("    <tr>\n        <td>\n            %s\n        </td>\n        <td >\n            %s\n%s</td>\n    </tr>\n",
                  {EscapeHtml(name), T(Txt::SpecNotSet), T(Txt::SpecIdeographicIndent)});
}

std::string ActionCells(int number, IStepchain* action)
{
    return Format("                    <td>\n                        %d\n                    </td>\n"
                  "                    <td>\n                        %s\n                    </td>\n"
                  "                    <td>\n                        %s\n                    </td>\n"
                  "                </tr>\n",
                  {static_cast<long long>(number), KindName(action->GetActionType()),
                   EscapeHtml(action->GetCaption())});
}

}

std::string EscapeHtml(const std::string& text)
{
    if (text.find_first_of("&<>") == std::string::npos)
        return text;
    std::string out = cp932::ReplaceAll(text, "&", "&amp;");
    out = cp932::ReplaceAll(out, "<", "&lt;");
    return cp932::ReplaceAll(out, ">", "&gt;");
}

void CStepchainData::ExportSpec(std::ostream& out)
{
    int number = 0;
    for (IStepchain* action : m_actions) {
        out << kActionLineOpening;
        out << cp932::ToUTF8(ActionCells(++number, action));
    }
}

std::string CStepchainData::ExportSpecStr()
{
    std::string text;
    int number = 0;
    for (IStepchain* action : m_actions) {
        text.append(kActionLineOpening);
        text.append(ActionCells(++number, action));
    }
    return text;
}

std::string CStepchainData::ExportSpecKeywordRaw()
{
    std::string text;
    for (IStepchain* action : m_actions) {
        std::string caption = cp932::RemoveAll(action->GetCaption(), "\n");
        text.append(cp932::ReplaceAll(caption, "\"", "\\\""));
        text.push_back(':');
    }
    return text;
}

std::string CStepchainData::ExportSpecKeyword() { return cp932::ToUTF8(ExportSpecKeywordRaw()); }

std::string ExportPropertySpec(CStepchainData& list, const std::string& displayName)
{
    if (list.GetCount() == 0)
        return cp932::ToUTF8(PropertyRowEmpty(displayName));
    std::ostringstream out;
    out << cp932::ToUTF8(PropertyRowOpening(displayName));
    list.ExportSpec(out);
    out << cp932::ToUTF8(std::string(kPropertyRowClosing));
    return out.str();
}
