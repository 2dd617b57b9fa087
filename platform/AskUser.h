#pragma once

#include <string>

// A question through the view factory (mb:: type, answers an id:: value).
// Without a desktop nothing can be confirmed: the answer is id::Cancel.
int AskUser(const std::string& text, const std::string& caption, int type);
