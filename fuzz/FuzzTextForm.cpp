// Reads any bytes as the text form of a list and as a host description:
// each is taken or refused with the tool's own one-line refusal
// (textform::FormError, which carries the JSON library's errors too), and
// nothing else may escape. A text that builds must dump to a text that
// builds the same list again.
#include <memory>
#include <string>

#include "FuzzCheck.h"
#include "tools/JsonHost.h"
#include "tools/textform/TextForm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        JsonHost::FromJson(text);
    } catch (const textform::FormError&) {
    }

    std::unique_ptr<CStepchainData> list;
    try {
        std::string whyNot;
        list = textform::TryBuild(text, whyNot);
        if (!list)
            list = textform::Build(text);
    } catch (const textform::FormError&) {
        return 0;
    }
    const std::string dumped = textform::Dump(*list);
    std::unique_ptr<CStepchainData> again;
    try {
        again = textform::Build(dumped);
    } catch (const textform::FormError&) {
        Check(false, "a dumped list builds");
    }
    // Dumped before storing: storing sets the kind of a string operation's source.
    Check(textform::Dump(*again) == dumped, "a dumped list dumps the same text");
    Check(Store(*again) == Store(*list), "a dumped list stores the same bytes");
    return 0;
}
