// The action link and the keypad's link follow renamed and removed devices.
#include <gtest/gtest.h>

#include "actions/CSCActionLink.h"
#include "actions/CSCKeypad.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

// The link and the link put aside of either kind.
std::pair<std::string*, std::string*> Link(IStepchain& action)
{
    if (action.GetActionType() == SC_KEYPAD) {
        auto& keypad = static_cast<CSCKeypad&>(action);
        return {&keypad.ActLink, &keypad.ActLinkKept};
    }
    auto& link = static_cast<CSCActionLink&>(action);
    return {&link.m_target, &link.m_savedTarget};
}

TEST(Links, FollowTheDevicePartOnly)
{
    // Kind, link, kept, old name, new name, link after, kept after.
    const std::tuple<int, const char*, const char*, const char*, const char*, const char*, const char*> cases[] = {
        {SC_ACTIONLINK, "PLC1!Btn1!Push", "", "*PLC1.", "PLC2.", "PLC2!Btn1!Push", ""},
        // Only the device part is renamed, not names that contain it.
        {SC_ACTIONLINK, "PLC1!PLC1Btn!PLC1Push", "", "*PLC1", "PLC2", "PLC2!PLC1Btn!PLC1Push", ""},
        {SC_ACTIONLINK, "PLC10!Btn1!Push", "", "*PLC1", "PLC2", "PLC10!Btn1!Push", ""},
        {SC_ACTIONLINK, "", "PLC1!Btn1!Push", "*.", "PLC2", "", "PLC1!Btn1!Push"},
        // Removing a nameless device keeps a target put aside before, and puts
        // aside a target whose device part is empty.
        {SC_ACTIONLINK, "", "PLC1!Btn1!Push", "*", "", "", "PLC1!Btn1!Push"},
        {SC_ACTIONLINK, "!", "", "*.", "", "", "!"},
        {SC_KEYPAD, "PLC10!Btn!Push", "", "*PLC1", "", "PLC10!Btn!Push", ""},
        {SC_KEYPAD, "PLC10!Btn!Push", "", "*PLC1", "PLC2", "PLC10!Btn!Push", ""},
        {SC_KEYPAD, "PLC1!Btn!Push", "", "*PLC1.", "", "", "PLC1!Btn!Push"},
        {SC_KEYPAD, "", "PLC1!Btn!Push", "*.", "PLC1.", "PLC1!Btn!Push", ""},
        {SC_KEYPAD, "", "PLC1!Btn!Push", "*.", "PLC2", "", "PLC1!Btn!Push"},
        {SC_KEYPAD, "PLC2!Btn!Push", "PLC1!Btn!Push", "*.", "PLC1", "PLC2!Btn!Push", "PLC1!Btn!Push"},
        {SC_KEYPAD, "", "PLC1!Btn!Push", "*", "", "", "PLC1!Btn!Push"},
        {SC_KEYPAD, "PLC1!PLC1Btn!Push", "", "*PLC1", "PLC2.", "PLC2!PLC1Btn!Push", ""},
        {SC_KEYPAD, "!PLC1!Btn", "", "*PLC1", "PLC3", "!PLC3!Btn", ""},
        // A removal without a device name puts any link aside.
        {SC_KEYPAD, "PLC1!Btn!Push", "", "*.", "", "", "PLC1!Btn!Push"},
    };
    CStepchainData list;
    for (const auto& [type, link, kept, oldName, newName, linkAfter, keptAfter] : cases) {
        std::unique_ptr<IStepchain> action(list.CreateSC(type));
        auto [current, aside] = Link(*action);
        *current = link;
        *aside = kept;
        action->MemSync(oldName, newName);
        EXPECT_EQ(*current + "|" + *aside, std::string(linkAfter) + "|" + keptAfter)
            << type << " " << link << " " << oldName << " " << newName;
    }
}

TEST(Links, ACopiedListBringsTheLinkBackAfterItsDeviceReturns)
{
    for (int type : {SC_ACTIONLINK, SC_KEYPAD}) {
        CStepchainData list;
        list.AddSC(list.CreateSC(type));
        *Link(*list.GetAt(0)).first = "PLC1!Btn1!Push";
        list.MemSync("*PLC1", "");
        CStepchainData copy;
        copy.CopyPropertiesFrom(&list);
        copy.MemSync("*.", "PLC1");
        EXPECT_EQ(*Link(*copy.GetAt(0)).first, "PLC1!Btn1!Push");
        EXPECT_FALSE(copy.CompareProperties(&list));
    }
}

TEST(Links, LoadingLetsTheHostTranslateTheTarget)
{
    FakeHost host;
    host.translateLink = [](std::string& text) { text = "Z!" + text; };
    CSCActionLink loaded(nullptr);
    CArchive in(Hex("05 41 21 42 21 43"));
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_target, "Z!A!B!C");
}

}
