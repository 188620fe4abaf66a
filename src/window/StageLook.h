#pragma once
// The stage's colours in each of its themes. Every text colour stands at
// least 7:1 against what it is drawn on, so that it reads from the back of a
// room through a washed-out projector. Paths revealed before are quieter than
// the latest, so that the path being drawn stands out.

#include <QColor>

namespace quorvan {

enum class StageTheme { Dark, Light, HighContrast };
constexpr int StageThemeCount = 3;

struct StageLook {
    QColor Background, Rail, Text, Path, Latest, Highlight, HighlightText, Curtain, CurtainText, Card, CardText;
};

const StageLook& LookOf(StageTheme theme);

} // namespace quorvan
