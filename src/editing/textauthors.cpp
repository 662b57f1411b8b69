// The authors of the text base.
#include "editing/textauthors.h"

#include <algorithm>

namespace tabrin::editing {

std::vector<std::string> textAuthors(const bases::TextBase& texts) {
    std::vector<std::string> authors;
    for (const bases::TextBaseElement& text : texts.elements()) {
        if (std::find(authors.begin(), authors.end(), text.author) == authors.end()) authors.push_back(text.author);
    }
    return authors;
}

}  // namespace tabrin::editing
