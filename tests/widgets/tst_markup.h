#pragma once

#include <QObject>

class TestMarkup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void plainTextKeepsEveryCharacter();
    void indentMovesOnlyForward();
    void sizeFollowsLinesAndSpacing_data();
    void sizeFollowsLinesAndSpacing();
    void styleReachesFragments();
    void linkAtFindsOnlyLinks();
};
