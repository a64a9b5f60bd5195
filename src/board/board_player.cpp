#include "board/board_player.h"

namespace {

class TNoPlayer final : public TBoardPlayer {
public:
    const std::shared_ptr<TLevel>& boardLevel() const override { return none_; }
    int boardLeft() const override { return 0; }
    int boardTop() const override { return 0; }
    int diamondCounterY() const override { return 0; }
    void groupRemoved(int) override {}
    void boardMoving() override {}
    void diamondCounted() override {}
    void boardWon() override {}
    void boardLost(const std::string&) override {}
    void boardSound(const char*) override {}

private:
    std::shared_ptr<TLevel> none_;
};

TNoPlayer noPlayer;
TBoardPlayer* player = &noPlayer;

}  // namespace

TBoardPlayer& boardPlayer() { return *player; }

void setBoardPlayer(TBoardPlayer* p) { player = p ? p : &noPlayer; }
