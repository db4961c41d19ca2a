#include "host/text/MenuCaptions.h"

namespace {

constexpr MenuCaptions kJapanese{
    .GameMenu = "Game",
    .RestartMenu = "やり直し(R)",
    .PauseMenu = "ポーズ(P)",
    .ExitMenu = "終了",
    .ConfigMenu = "Config",
    .BrightnessMenu = "2人用モードの画面の明るさ(Q,W)",
    .SpeedMenu = "スピード調節(A,S)",
    .SoundMenu = "サウンド(M)",
    .KeysMenu = "キー設定",
    .LanguageMenu = "言語 (Language)",
    .WindowMenu = "ウィンドウ",
    .FitScaleItem = "画面に合わせる",
    .ScaleItem = "{n}倍",
    .FullScreenItem = "全画面(F11)",
    .BrightnessDialog = "ﾀﾞｲｱﾛｸﾞ",
    .SpeedDialog = "ﾀﾞｲｱﾛｸﾞ",
    .SoundDialog = "サウンド",
    .KeysDialog = "キー設定",
    .OKButton = "OK",
    .MusicVolume = "音楽の音量",
    .EffectsVolume = "効果音の音量",
    .MuteBox = "消音(M)",
    .PressNewKey = "「{action}」の新しいキーを押してください (Esc: 取り消し)",
    .KeyInUse = "{key} は「{action}」に使われています",
    .KeyUnusable = "そのキーは使えません",
    .DefaultKeysButton = "標準に戻す",
    .DefaultKeysQuestion = "すべてのキーを標準に戻しますか?",
    .YesButton = "はい",
    .NoButton = "いいえ",
    .SpeedNotice = "スピード: 1コマ {n} ms",
    .PictureSavedNotice = "画像を保存しました:",
    .NoPictureNotice = "画像は保存されませんでした:",
    .TopTenNotice = "ベストテン入り! スコア {n}",
    .HostRaceMenu = "対戦をホスト…",
    .JoinRaceMenu = "対戦に参加…",
    .HostRaceDialog = "対戦をホスト",
    .JoinRaceDialog = "対戦に参加",
    .RacePortLabel = "ポート",
    .RaceAddressLabel = "アドレス",
    .RaceAddressHint = "アドレス[:ポート]",
    .HostButton = "ホスト",
    .JoinButton = "参加",
    .CancelButton = "キャンセル",
    .RaceWaitingOnPort = "ポート {n} で相手を待っています (あなたのアドレス: {addresses})",
    .RaceConnecting = "{address} に接続しています…",
    .RaceWaiting = "相手を待っています",
    .RaceSlow = "通信が遅れています…",
    .RaceLeft = "相手が抜けました",
    .RaceYou = "あなた",
    .RaceOtherPlayer = "相手",
    .RaceGuestSpeed = "A/S: スピードはホストが決めます",
    .RaceRoundTrip = "往復 {n} ms",
    .RaceAgainOffered = "相手も望めば次の対戦が始まります",
    .RaceAgainAsked = "相手がもう一度対戦したがっています: Enter で始まります",
    .Actions = {"1P 左", "1P 右", "1P 上", "1P 下", "1P ジャンプ", "2P 左", "2P 右", "2P 上", "2P 上 (2つ目)",
                "2P 下", "2P ジャンプ", "スタート", "コンティニュー", "ポーズ", "やり直し", "遅く", "速く",
                "明るく (2人用)", "暗く (2人用)", "消音"},
};

constexpr MenuCaptions kEnglish{
    .GameMenu = "Game",
    .RestartMenu = "Restart stage (R)",
    .PauseMenu = "Pause (P)",
    .ExitMenu = "Exit",
    .ConfigMenu = "Config",
    .BrightnessMenu = "Two-player screen brightness (Q, W)",
    .SpeedMenu = "Game speed (A, S)",
    .SoundMenu = "Sound (M)",
    .KeysMenu = "Keys",
    .LanguageMenu = "Language (言語)",
    .WindowMenu = "Window",
    .FitScaleItem = "Fit the screen",
    .ScaleItem = "{n}x",
    .FullScreenItem = "Full screen (F11)",
    .BrightnessDialog = "Two-player brightness",
    .SpeedDialog = "Game speed",
    .SoundDialog = "Sound",
    .KeysDialog = "Keys",
    .OKButton = "OK",
    .MusicVolume = "Music volume",
    .EffectsVolume = "Effects volume",
    .MuteBox = "Mute (M)",
    .PressNewKey = "Press the new key for {action} (Esc: cancel)",
    .KeyInUse = "{key} is already the key for {action}",
    .KeyUnusable = "That key cannot be used",
    .DefaultKeysButton = "Back to defaults",
    .DefaultKeysQuestion = "Put every key back to its default?",
    .YesButton = "Yes",
    .NoButton = "No",
    .SpeedNotice = "Speed: {n} ms a frame",
    .PictureSavedNotice = "Picture saved as",
    .NoPictureNotice = "No picture saved:",
    .TopTenNotice = "A new entry in the top ten: {n}",
    .HostRaceMenu = "Host a race…",
    .JoinRaceMenu = "Join a race…",
    .HostRaceDialog = "Host a race",
    .JoinRaceDialog = "Join a race",
    .RacePortLabel = "Port",
    .RaceAddressLabel = "Address",
    .RaceAddressHint = "address[:port]",
    .HostButton = "Host",
    .JoinButton = "Join",
    .CancelButton = "Cancel",
    .RaceWaitingOnPort = "Waiting for the other player on port {n} (your addresses: {addresses})",
    .RaceConnecting = "Connecting to {address}…",
    .RaceWaiting = "Waiting for the other player",
    .RaceSlow = "Connection is slow…",
    .RaceLeft = "The other player left",
    .RaceYou = "You",
    .RaceOtherPlayer = "Other player",
    .RaceGuestSpeed = "A/S: the host sets the speed",
    .RaceRoundTrip = "Round trip {n} ms",
    .RaceAgainOffered = "Another race begins once the other player wants one too",
    .RaceAgainAsked = "The other player wants another race: Enter to begin it",
    .Actions = {"Player 1 left", "Player 1 right", "Player 1 up", "Player 1 down", "Player 1 jump",
                "Player 2 left", "Player 2 right", "Player 2 up", "Player 2 up (second key)", "Player 2 down",
                "Player 2 jump", "Start", "Continue", "Pause", "Restart stage", "Slower", "Faster",
                "Brighter (two players)", "Darker (two players)", "Mute"},
};

void Replace(std::string& text, std::string_view mark, std::string_view with) {
  for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + with.size())) {
    text.replace(at, mark.size(), with);
  }
}

#define VELMORANE_FIELD(name) MenuCaptionField{#name, &MenuCaptions::name}
constexpr MenuCaptionField kFields[] = {
    VELMORANE_FIELD(GameMenu),         VELMORANE_FIELD(RestartMenu),      VELMORANE_FIELD(PauseMenu),
    VELMORANE_FIELD(ExitMenu),         VELMORANE_FIELD(ConfigMenu),       VELMORANE_FIELD(BrightnessMenu),
    VELMORANE_FIELD(SpeedMenu),        VELMORANE_FIELD(SoundMenu),        VELMORANE_FIELD(KeysMenu),
    VELMORANE_FIELD(LanguageMenu),     VELMORANE_FIELD(WindowMenu),       VELMORANE_FIELD(FitScaleItem),
    VELMORANE_FIELD(ScaleItem),        VELMORANE_FIELD(FullScreenItem),   VELMORANE_FIELD(BrightnessDialog),
    VELMORANE_FIELD(SpeedDialog),      VELMORANE_FIELD(SoundDialog),      VELMORANE_FIELD(KeysDialog),
    VELMORANE_FIELD(OKButton),         VELMORANE_FIELD(MusicVolume),      VELMORANE_FIELD(EffectsVolume),
    VELMORANE_FIELD(MuteBox),          VELMORANE_FIELD(PressNewKey),      VELMORANE_FIELD(KeyInUse),
    VELMORANE_FIELD(KeyUnusable),      VELMORANE_FIELD(DefaultKeysButton), VELMORANE_FIELD(DefaultKeysQuestion),
    VELMORANE_FIELD(YesButton),        VELMORANE_FIELD(NoButton),
    VELMORANE_FIELD(SpeedNotice),      VELMORANE_FIELD(PictureSavedNotice), VELMORANE_FIELD(NoPictureNotice),
    VELMORANE_FIELD(TopTenNotice),
    VELMORANE_FIELD(HostRaceMenu),     VELMORANE_FIELD(JoinRaceMenu),     VELMORANE_FIELD(HostRaceDialog),
    VELMORANE_FIELD(JoinRaceDialog),   VELMORANE_FIELD(RacePortLabel),    VELMORANE_FIELD(RaceAddressLabel),
    VELMORANE_FIELD(RaceAddressHint),  VELMORANE_FIELD(HostButton),       VELMORANE_FIELD(JoinButton),
    VELMORANE_FIELD(CancelButton),     VELMORANE_FIELD(RaceWaitingOnPort), VELMORANE_FIELD(RaceConnecting),
    VELMORANE_FIELD(RaceWaiting),      VELMORANE_FIELD(RaceSlow),         VELMORANE_FIELD(RaceLeft),
    VELMORANE_FIELD(RaceYou),          VELMORANE_FIELD(RaceOtherPlayer),  VELMORANE_FIELD(RaceGuestSpeed),
    VELMORANE_FIELD(RaceRoundTrip),    VELMORANE_FIELD(RaceAgainOffered), VELMORANE_FIELD(RaceAgainAsked),
};
#undef VELMORANE_FIELD

void AddAll(const MenuCaptions& c, std::vector<std::string_view>& out) {
  for (const MenuCaptionField& f : kFields) out.push_back(c.*f.Caption);
  out.insert(out.end(), c.Actions.begin(), c.Actions.end());
}

}  // namespace

const MenuCaptions& CaptionsIn(Language language) { return language == Language::English ? kEnglish : kJapanese; }

std::span<const MenuCaptionField> MenuCaptionFields() { return kFields; }

std::string Filled(std::string_view caption, std::string_view key, std::string_view action, int n) {
  std::string text(caption);
  Replace(text, "{key}", key);
  Replace(text, "{action}", action);
  Replace(text, "{n}", std::to_string(n));
  return text;
}

std::string RaceWaitingText(const MenuCaptions& c, std::uint16_t port, std::span<const std::string> addresses) {
  std::string list;
  for (const std::string& a : addresses) list += (list.empty() ? "" : ", ") + a;
  std::string text = Filled(c.RaceWaitingOnPort, "", "", port);
  Replace(text, "{addresses}", list);
  return text;
}

std::string RaceConnectingText(const MenuCaptions& c, const RaceAddress& to) {
  std::string text(c.RaceConnecting);
  Replace(text, "{address}", RaceAddressText(to));
  return text;
}

std::vector<std::string_view> AllCaptionTexts() {
  std::vector<std::string_view> texts = {kJapaneseName, kEnglishName};
  AddAll(kJapanese, texts);
  AddAll(kEnglish, texts);
  return texts;
}
