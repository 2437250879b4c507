#pragma once
// The records the filter's tests look through.
#include "TestEnv.h"

namespace kbs::test {

// Five records; the fifth holds words beyond what the grid's snapshot keeps of a long value.
inline void fiveCars(const TestEnv& env) {
    env.addRecord({{"Description", "Ford Mustang"},
                   {"Year", "1970"},
                   {"Color", "Red"},
                   {"Box_Cond", "Mint"},
                   {"Status", "Have"},
                   {"Value", "25.00"}});
    env.addRecord({{"Description", "Ford Mustang"},
                   {"Year", "1968"},
                   {"Color", "Dark red"},
                   {"Box_Type", "Window box"},
                   {"Status", "Sell"},
                   {"Value", "$12"}});
    env.addRecord({{"Description", "Beetle mint in box"},
                   {"Year", "1975"},
                   {"Series", "1-75"},
                   {"Status", "Want"},
                   {"Value", "n/a"}});
    env.addRecord({{"Description", "Jaguar E-Type"},
                   {"Year", "1982"},
                   {"Status", "have "},
                   {"Value", "1.234,50"},
                   {"Purch_From", "fair 10:30"}});
    env.addRecord({{"Description", "Citroën DS"},
                   {"Year", "1965"},
                   {"Location", QString(20000, 'x') + " treasure"},
                   {"Notes", QString(20000, 'y') + " zebra"}});
}

}  // namespace kbs::test
