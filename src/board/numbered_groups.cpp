#include "board/numbered_groups.h"

#include <algorithm>

#include "datafiles/rcm_file.h"
#include "datafiles/strings.h"
#include "shell/media/media.h"

std::vector<int> numberedEntries(const TRCMFile& file, const std::string& parent, const std::string& prefix,
                                 const std::string& what) {
    const int count = file.getInt(parent + "::ilosc");
    std::vector<int> numbers;
    // The lookup follows every name of the path but the last: the parent.
    if (const TRCMGroup* group = file.getGroup(parent + "::" + prefix)) {
        const std::string upperPrefix = upperCase(prefix);
        for (const auto& child : group->_listaGrup) {
            const std::string name = upperCase(child->_id);
            if (name.size() <= upperPrefix.size() || name.compare(0, upperPrefix.size(), upperPrefix) != 0) continue;
            const std::string digits = name.substr(upperPrefix.size());
            // Only the spelling the path lookup uses: no sign, no leading zero.
            if (!isDigits(digits) || digits[0] == '0' || digits.size() > 10) continue;
            const long long i = std::stoll(digits);
            if (i <= count) numbers.push_back(int(i));
        }
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    }
    if (int(numbers.size()) < count)
        Print("Napotkano problem : " + file._path + " announces " + std::to_string(count) + " " + what +
              " but holds " + std::to_string(numbers.size()));
    return numbers;
}
