#pragma once

// Application.Options.
class WordOptions
{
public:
    virtual ~WordOptions() = default;

    // 0 inches, 1 centimetres, 2 millimetres, 3 points, 4 picas.
    virtual int measurementUnit() = 0;
    virtual void setMeasurementUnit(int unit) = 0;
};
