#pragma once

#include "platform/types.h"

// A prediction model for a pair of teams, described by a model file "Predict/" + name +
// ".prd": the model record's fields, a result table of six rows (games, home-win, draw
// and away-win, under and over percentages; readers read row 5), two expected scores and
// four series of recent-form values. The operations keep their slot order.
class IDBPredict {
public:
    // The row of the result table that every reader reads.
    static constexpr int ResultRow = 5;

    virtual bool LoadFromFile(const AnsiString& name, int team1ID, int team2ID, int option) = 0;
    // Fills the record from the text; true exactly when team1ID is not 0.
    virtual bool Parse(const AnsiString& text, int team1ID, int team2ID, int option) = 0;
    virtual float GetSeries1(int i) const = 0;
    virtual float GetSeries2(int i) const = 0;
    virtual float GetSeries3(int i) const = 0;
    virtual float GetSeries4(int i) const = 0;
    virtual int GetHeadField1() const = 0;
    virtual int GetHeadField2() const = 0;
    virtual int GetHeadField3() const = 0;
    virtual int GetGroupCode(int g) const = 0;
    virtual int GetGroupValue1(int g) const = 0;
    virtual int GetGroupValue2(int g) const = 0;
    virtual int GetGroupValue3(int g) const = 0;
    virtual AnsiString GetScoreText(int decimals, const AnsiString& separator) const = 0;
    virtual int GetGame(int row) const = 0;
    virtual AnsiString GetScore1Text(int decimals) const = 0;
    virtual AnsiString GetScore2Text(int decimals) const = 0;
    virtual double GetW1(int row) const = 0;
    virtual double GetX(int row) const = 0;
    virtual double GetW2(int row) const = 0;
    virtual double GetUnder(int row) const = 0;
    virtual double GetOver(int row) const = 0;
    virtual int GetSeasonID() const = 0;
    virtual int GetChampID() const = 0;

    // Owners may hold a model through this interface and delete it through it.
    virtual ~IDBPredict() = default;
};
