#pragma once

// Selection.ParagraphFormat.
class WordParagraphFormat
{
public:
    virtual ~WordParagraphFormat() = default;

    // 2: double spacing.
    virtual void setLineSpacingRule(int rule) = 0;
    // 1: centred.
    virtual void setAlignment(int alignment) = 0;
};
