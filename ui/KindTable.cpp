#include "ui/KindTable.h"

#include "core/IStepchain.h"

namespace {

struct KindRow {
    int type;
    bool (*offered)(DWORD limit, bool layers);
};

bool Clear(DWORD limit, DWORD bits) { return (limit & bits) == 0; }

// The order of the kind list and when each kind is offered.
const KindRow kKinds[] = {
    {SC_PAGEJUMP, [](DWORD l, bool) { return Clear(l, 0x02); }},
    {SC_SETVALUE, [](DWORD, bool) { return true; }},
    {SC_CALC, [](DWORD l, bool) { return Clear(l, 0x20); }},
    {SC_CALCTIME, [](DWORD l, bool) { return Clear(l, 0x20); }},
    {SC_COMM, [](DWORD l, bool) { return Clear(l, 0x10); }},
    {SC_PASSPAGE, [](DWORD l, bool) { return Clear(l, 0x02 | 0x40); }},
    {SC_KEYPAD, [](DWORD l, bool) { return Clear(l, 0x02 | 0x40); }},
    {SC_OPE, [](DWORD, bool) { return true; }},
    {SC_STRING, [](DWORD l, bool) { return Clear(l, 0x20); }},
    {SC_CALL, [](DWORD l, bool) { return Clear(l, 0x100); }},
    {SC_ACTIONLINK, [](DWORD l, bool) { return Clear(l, 0x02 | 0x80) || !Clear(l, 0x08); }},
    {SC_REFSH, [](DWORD l, bool) { return Clear(l, 0x04); }},
    {SC_SETGRAPHMEM, [](DWORD, bool layers) { return layers; }},
    {SC_LABEL, [](DWORD, bool) { return true; }},
    {SC_BRANCH, [](DWORD, bool) { return true; }},
    {SC_ACTIONEXIT, [](DWORD, bool) { return true; }},
};

}

std::vector<int> OfferedKinds(DWORD limit, bool layers)
{
    std::vector<int> kinds;
    for (const KindRow& row : kKinds) {
        if (row.offered(limit, layers))
            kinds.push_back(row.type);
    }
    return kinds;
}
