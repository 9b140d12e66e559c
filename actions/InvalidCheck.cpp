#include "actions/InvalidCheck.h"

#include <cassert>

#include "core/Cp932.h"

std::string Quoted(const std::string& cp932Text) { return "'" + cp932::ToUTF8(cp932Text) + "'"; }

void InvalidCheck::Record(int code)
{
    assert(code != 0);
    if (m_code == 0)
        m_code = code;
}

void InvalidCheck::Fail(int code, const char* english, const char8_t* japanese)
{
    FailWith(code, [&] { return InvalidReason{english, U8(japanese)}; });
}

void InvalidCheck::Missing(const FieldLabel& field, int code)
{
    FailWith(code, [&] {
        return InvalidReason{std::string("the ") + field.english + " is empty", U8(field.japanese) + U8(u8"が未入力です")};
    });
}

void InvalidCheck::NeedName(const CVXMemNode& node, const FieldLabel& field, int code)
{
    if (node.m_name.empty())
        Missing(field, code);
}

void InvalidCheck::NeedScriptForm(const CVXMemNode& node, const FieldLabel& field)
{
    if (!node.GetScriptForm().empty())
        return;
    if (node.m_name.empty()) {
        Missing(field, 1);
        return;
    }
    FailWith(1, [&] {
        return InvalidReason{std::string("the ") + field.english + " " + Quoted(node.m_name) + " names no memory",
                             U8(field.japanese) + Quoted(node.m_name) + U8(u8"はメモリー名になっていません")};
    });
}

void InvalidCheck::NeedText(const std::string& text, const FieldLabel& field, int code)
{
    if (text.empty())
        Missing(field, code);
}

void InvalidCheck::NeedPage(int32_t page, const FieldLabel& field)
{
    if (page != 0)
        return;
    FailWith(1, [&] {
        return InvalidReason{std::string("the ") + field.english + " is not set (0)",
                             U8(field.japanese) + U8(u8"が設定されていません(0)")};
    });
}

void InvalidCheck::NeedLimit(const CVXMemNode& limit, const FieldLabel& field, const FieldLabel& check)
{
    if (!limit.m_name.empty())
        return;
    FailWith(1, [&] {
        return InvalidReason{std::string(check.english) + " is on but the " + field.english + " is empty",
                             U8(check.japanese) + U8(u8"ありですが") + U8(field.japanese) + U8(u8"が未入力です")};
    });
}
