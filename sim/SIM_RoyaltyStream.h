// The royalties of a successful song or screenplay: paid once a game week and shrinking after
// every payment. Each cheque goes into the player's cash and puts a royalty report on the mail
// list. The streams live in one owned list from their work's success until a new game or load.
#pragma once

#include <memory>
#include <string>
#include <vector>

class SIM_RoyaltyStream {
 public:
  static constexpr int kSong = 0;
  static constexpr int kScreenplay = 1;

  SIM_RoyaltyStream(std::string title, float income, int type);
  virtual ~SIM_RoyaltyStream() = default;
  SIM_RoyaltyStream(const SIM_RoyaltyStream&) = delete;
  SIM_RoyaltyStream& operator=(const SIM_RoyaltyStream&) = delete;

  // One weekly payment: while the income is above 1, a cheque of 0.95..1.1 times it is
  // earned and reported; then, in every case, the income shrinks by GV_ROYALTY_DEGRADE.
  void Pay();

  float GetIncome() const { return income_; }
  float GetTotal() const { return total_; }
  float GetLastCheque() const { return lastCheque_; }
  const std::string& GetTitle() const { return title_; }
  int GetType() const { return type_; }
  // The saved state put back.
  void Restore(float total, float lastCheque) {
    total_ = total;
    lastCheque_ = lastCheque;
  }

  // Pays every stream in list order (the first day of each week).
  static void PayAll();
  static void DeleteAll();
  static const std::vector<std::unique_ptr<SIM_RoyaltyStream>>& All();
  // Cheques paid since the counter was last cleared (the bench reports it).
  static int ChequesPaid();
  static void ClearChequesPaid();

 private:
  float income_ = 0.0f;
  float total_ = 0.0f;
  float lastCheque_ = 0.0f;
  std::string title_;
  int type_ = kSong;
};

// A new stream at the end of the list; the list owns it.
SIM_RoyaltyStream* CreateRoyaltyStream(std::string title, float income, int type);
inline void ClearRoyaltyStreams() { SIM_RoyaltyStream::DeleteAll(); }
