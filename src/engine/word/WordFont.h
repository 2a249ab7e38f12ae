#pragma once

#include <string>

// Selection.Font.
class WordFont
{
public:
    virtual ~WordFont() = default;

    virtual void setName(const std::wstring &name) = 0;
    virtual void setSize(int size) = 0;
    virtual void setItalic(bool italic) = 0;
};
