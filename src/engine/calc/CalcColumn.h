#pragma once

// One column of a sheet.
class CalcColumn
{
public:
    virtual ~CalcColumn() = default;

    virtual int width() = 0;                 // 1/100 mm
    virtual void setWidth(int width) = 0;
    virtual bool optimalWidth() = 0;
    virtual void setOptimalWidth(bool optimal) = 0;
};
