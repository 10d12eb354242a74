#include "entry/LanguageTable.h"

namespace {

struct LanguageRow {
    int index;
    const char* extension;
};

constexpr LanguageRow kLanguages[] = {
    {0, "enu"},
};

}  // namespace

const char* LanguageExtension(int index)
{
    for (const LanguageRow& row : kLanguages) {
        if (row.index == index)
            return row.extension;
    }
    return nullptr;
}
