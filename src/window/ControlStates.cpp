#include "window/ControlStates.h"

namespace quorvan {

namespace {

constexpr Change on = Change::Enable;
constexpr Change off = Change::Disable;
constexpr Change __ = Change::Keep;

struct Row {
    Step step;
    Changes changes;
};

// clang-format off
constexpr Row Table[] = {
    //                          Spinner SetUp LoadMembers CrossLines Build ShuffleMembers ShuffleHits LoadHits HitAll SaveText SaveWorkbook
    {Step::StartUp,             {on,    on,   on,         on,        off,  off,           off,        off,     off,   off,     off}},
    {Step::SetUpBegins,         {off,   off,  off,        __,        __,   __,            __,         __,      __,    __,      __}},
    {Step::SetUpEnds,           {__,    __,   __,         off,       on,   on,            on,         __,      __,    __,      __}},
    {Step::Build,               {__,    __,   __,         __,        off,  off,           off,        __,      on,    __,      __}},
    {Step::ResultColumnSet,     {__,    __,   __,         __,        __,   __,            __,         __,      off,   off,     off}},
    {Step::HitAllEnds,          {__,    __,   __,         __,        __,   __,            __,         __,      __,    on,      on}},
    {Step::Reset,               {on,    on,   on,         on,        off,  off,           off,        off,     off,   __,      __}},
    {Step::MemberImportBegins,  {__,    __,   __,         __,        off,  __,            __,         __,      __,    __,      __}},
    {Step::MembersLoaded,       {__,    off,  __,         __,        on,   on,            off,        on,      __,    __,      __}},
    {Step::HitsLoaded,          {__,    __,   off,        __,        on,   __,            on,         __,      __,    __,      __}},
    {Step::MemberShuffleBegins, {__,    __,   __,         __,        __,   off,           __,         __,      __,    __,      __}},
    {Step::MemberShuffleEnds,   {__,    __,   __,         __,        __,   on,            __,         __,      __,    __,      __}},
    {Step::HitShuffleBegins,    {__,    __,   __,         __,        __,   __,            off,        __,      __,    __,      __}},
    {Step::HitShuffleEnds,      {__,    __,   __,         __,        __,   __,            on,         __,      __,    __,      __}},
    {Step::AnnouncementOpens,   {off,   off,  off,        off,       off,  off,           off,        off,     off,   __,      __}},
    {Step::AnnouncementCloses,  {off,   off,  off,        off,       on,   on,            on,         off,     off,   __,      __}},
};
// clang-format on

constexpr bool RowsInStepOrder()
{
    int index = 0;
    for (const Row& row : Table)
        if (static_cast<int>(row.step) != index++)
            return false;
    return true;
}
static_assert(RowsInStepOrder(), "one row per step, in the order of Step");

} // namespace

const Changes& ChangesOf(Step step)
{
    return Table[static_cast<int>(step)].changes;
}

} // namespace quorvan
