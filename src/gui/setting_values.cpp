#include "gui/setting_values.h"

#include <climits>

#include "datafiles/strings.h"
#include "datafiles/txt_file.h"
#include "gui/gui_file.h"

int settingInteger(const std::string& value) {
    size_t i = 0;
    while (i < value.size() && static_cast<unsigned char>(value[i]) <= 32) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
    int base = 10;
    if (i < value.size() && value[i] == '%') {
        base = 2;
        ++i;
    } else if (i < value.size() && value[i] == '$') {
        base = 16;
        ++i;
    }
    long long result = 0;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        if (digit >= base) break;
        // Stop growing once past the int range; the clamp below decides.
        if (result <= 0x7FFFFFFFFFLL) result = result * base + digit;
    }
    if (negative) result = -result;
    if (result > INT_MAX) return INT_MAX;
    if (result < INT_MIN) return INT_MIN;
    return int(result);
}

std::vector<int> settingNumbers(const std::string& value, size_t minimumCount) {
    std::vector<int> numbers;
    for (const std::string& part : splitString(stripQuotes(value), " ")) numbers.push_back(settingInteger(part));
    while (numbers.size() < minimumCount) numbers.push_back(0);
    return numbers;
}

bool settingTruth(const std::string& value) {
    return sameIgnoringCase(value, "TRUE");
}

int settingFlag(const GuiDeclaration& declaration, const char* key) {
    const std::string* value = declaration.find(key);
    return !value || settingTruth(*value) ? 1 : 0;
}

std::string settingText(const std::string& value) {
    const std::string text = stripQuotes(value);
    if (text.size() > 1 && text.front() == '[' && text.back() == ']') {
        std::vector<std::string> parts = splitString(text.substr(1, text.size() - 2), "|");
        if (parts.size() < 2) return kMissingLineText;
        return getTxtLine(loadTxtFile(parts[0]), settingInteger(parts[1]));
    }
    return text;
}
