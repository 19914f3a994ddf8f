#pragma once
// The user's comment in the output list: a paragraph beside the comment logo,
// its lines wrapped at a width in pixels of the current screen font.
#include <cstdio>

// Longest line the paragraph writer takes (bytes before the line feed).
enum { KOV_COMMENT_LINE_MAX = 998 };

// The next line of text wrapped at width pixels, measured with pxQTxX in the
// current font (the caller selects it with Pop_RFont). Returns the line's
// length in bytes (a cut after a blank keeps the blank; never more than
// max_bytes); *advance receives how far the text continues after it (a line
// feed that ended the line is passed over). 0 with *advance 1 for a line feed.
int Kov_Wrap_Line(const char* text, int width, int max_bytes, int* advance);

// Writes the comment with the logo at its left: nothing for a NULL stream,
// a NULL or empty text, or a text of one blank or line feed.
void Kov_Write_User_Comment(FILE* f, const char* text);
// The same without the logo, margins and positions (wider lines).
void Kov_Write_User_Comment_Plain(FILE* f, const char* text);
// The text as wrapped paragraph lines at the current wrap width.
void Kov_Write_Comment_Lines(FILE* f, const char* text);
// The wrap width in pixels (600 beside the logo, 675 plain).
int Kov_Comment_Wrap_Width(void);
