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

// Row names: a column prefix followed by the row number.
inline QString MemberBoxName(int row) { return QStringLiteral("edit1_%1").arg(row); }
inline QString HitBoxName(int row) { return QStringLiteral("edit2_%1").arg(row); }
inline QString ResultBoxName(int row) { return QStringLiteral("edit3_%1").arg(row); }

} // namespace quorvan::texts
