#pragma once
// Texts that more than one command puts into the window.

#include <QString>

namespace quorvan::texts {

inline const QString StartPromptJapanese =
    QStringLiteral("■→設定数を指定してから、設定実行ボタンを押下してください");
inline const QString StartPromptEnglish =
    QStringLiteral("Please press the set execution button after specifying a set number");

// The shuffle buttons' captions before any shuffle.
inline const QString ShuffleJapanese = QStringLiteral("ｼｬｯﾌﾙ");
inline const QString ShuffleEnglish = QStringLiteral("Shuffle");

// The user guide, as the guide link's hint and the menu entry that opens it.
inline const QString GuideJapanese = QStringLiteral("ユーザーガイド");
inline const QString GuideEnglish = QStringLiteral("User guide");

} // namespace quorvan::texts
