#pragma once

#include <QTemporaryDir>
#include <memory>

class TDataM;

namespace synth {

// A temporary data folder whose working database Db/Cadre.db holds `cadres` generated cadres
// (made from the template beside the running program), opened by a data module. Stops the
// program when anything fails: a benchmark without its data has nothing to measure.
struct GeneratedFolder {
    explicit GeneratedFolder(int cadres);
    ~GeneratedFolder();

    QTemporaryDir dir;
    std::unique_ptr<TDataM> dm;
};

}  // namespace synth
