#include "settings/FolderListEditor_win.h"

#include "common/ErrorBox_win.h"
#include "common/ListFile_win.h"
#include "common/Paths_win.h"
#include "common/SettingsTable.h"
#include "common/Settings_win.h"
#include "common/TextPlatform.h"
#include "settings/CWinLib_win.h"
#include "settings/ListEditorModel.h"
#include "settings/res/FolderListEditorIds.h"
#include "settings/res/SetResource.h"

#include <commctrl.h>
#include <shlobj.h>

#include <memory>

namespace pvn {
namespace {

constexpr wchar_t kListTip[] = L"選択するとツールチップに全体表示します";

struct ListSource {
    std::wstring path;
    std::vector<std::wstring> lines;
    // Read, or absent (nothing to lose); a file that exists but could not be read is never written.
    bool writable = false;
};

ListSource readSource(const std::optional<std::wstring>& path) {
    ListSource source;
    if (!path)
        return source;
    source.path = *path;
    auto lines = readListFileChecked(source.path);
    source.writable = lines.has_value() || !pathExists(source.path);
    source.lines = std::move(lines).value_or(std::vector<std::wstring>{});
    return source;
}

int CALLBACK browseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED)
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

// The list's tooltip always shows the selected item in full.
void setTooltipText(HWND tip, HWND dialog, int controlId, const std::wstring& text) {
    if (!tip)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, controlId));
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

class FolderListEditor : public CWinLib {
public:
    void run(HWND owner) { runModal(GetModuleHandleW(nullptr), IDD_FOLDER_EDITOR, owner); }

private:
    INT_PTR handleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void initialize();
    void onCommand(int id, int code);
    void fillRecent();
    void fillFavorites();
    void updateButtons();
    std::vector<std::size_t> selectedRecent() const;
    std::optional<std::size_t> selectedFavorite() const;
    void showWhole(int listId);
    void addFolder();
    void save();
    bool ask(const wchar_t* question) const {
        return askUser(question, MB_YESNO | MB_ICONQUESTION, m_dialog) == IDYES;
    }
    void enable(int id, bool on) const { EnableWindow(item(id), on); }

    ListSource m_recent;
    ListSource m_favorites;
    std::unique_ptr<ListEditorModel> m_model;
    UniqueIcon m_smallIcon;
    UniqueIcon m_buttonIcons[3];
    HWND m_recentTip = nullptr;
    HWND m_favoritesTip = nullptr;
};

void FolderListEditor::initialize() {
    const int icons[][2] = {{IDC_EDIT_TO_FAVORITES, IDI_ADD}, {IDC_EDIT_UP, IDI_UP}, {IDC_EDIT_DOWN, IDI_DOWN}};
    for (std::size_t i = 0; i < 3; ++i) {
        m_buttonIcons[i].reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icons[i][1]),
                                                             IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                             GetSystemMetrics(SM_CYSMICON), 0)));
        SendDlgItemMessageW(m_dialog, icons[i][0], BM_SETIMAGE, IMAGE_ICON,
                            reinterpret_cast<LPARAM>(m_buttonIcons[i].get()));
    }
    m_smallIcon = setSmallIcon(IDI_PROGRAM);
    m_recentTip = addTooltip(IDC_EDIT_RECENT, kListTip);
    m_favoritesTip = addTooltip(IDC_EDIT_FAVORITES, kListTip);

    ListEditorInput input;
    DWORD sortType = 1;
    if (RegKey key = openSettingsForReading(); key.isOpen())
        key.readDword(settingName(SettingId::RecentSortType), sortType);
    input.recentSortType = static_cast<int>(sortType);
    m_recent = readSource(recentListPath());
    m_favorites = readSource(favoritesListPath());
    input.recent = m_recent.lines;
    input.recentWritable = m_recent.writable;
    input.favorites = m_favorites.lines;
    input.favoritesWritable = m_favorites.writable;
    m_model = std::make_unique<ListEditorModel>(std::move(input), textPlatform());

    fillRecent();
    if (const auto newest = m_model->newestRecentIndex()) {
        SendDlgItemMessageW(m_dialog, IDC_EDIT_RECENT, LB_SETSEL, TRUE, static_cast<LPARAM>(*newest));
        SendDlgItemMessageW(m_dialog, IDC_EDIT_RECENT, LB_SETCARETINDEX, *newest, FALSE);
    }
    fillFavorites();
    updateButtons();
}

void FolderListEditor::fillRecent() {
    SendDlgItemMessageW(m_dialog, IDC_EDIT_RECENT, LB_RESETCONTENT, 0, 0);
    for (const auto& folder : m_model->recentItems())
        SendDlgItemMessageW(m_dialog, IDC_EDIT_RECENT, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(folder.c_str()));
}

void FolderListEditor::fillFavorites() {
    SendDlgItemMessageW(m_dialog, IDC_EDIT_FAVORITES, LB_RESETCONTENT, 0, 0);
    for (const auto& folder : m_model->favorites())
        SendDlgItemMessageW(m_dialog, IDC_EDIT_FAVORITES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    const auto selected = m_model->favoriteSelection();
    SendDlgItemMessageW(m_dialog, IDC_EDIT_FAVORITES, LB_SETCURSEL, selected ? static_cast<WPARAM>(*selected) : -1, 0);
}

std::vector<std::size_t> FolderListEditor::selectedRecent() const {
    const LRESULT count = SendDlgItemMessageW(m_dialog, IDC_EDIT_RECENT, LB_GETSELCOUNT, 0, 0);
    if (count <= 0)
        return {};
    std::vector<int> indexes(static_cast<std::size_t>(count));
    const LRESULT got = SendDlgItemMessageW(m_dialog, IDC_EDIT_RECENT, LB_GETSELITEMS, count,
                                            reinterpret_cast<LPARAM>(indexes.data()));
    std::vector<std::size_t> selected;
    for (LRESULT i = 0; i < got; ++i)
        selected.push_back(static_cast<std::size_t>(indexes[static_cast<std::size_t>(i)]));
    return selected;
}

std::optional<std::size_t> FolderListEditor::selectedFavorite() const {
    const LRESULT index = SendDlgItemMessageW(m_dialog, IDC_EDIT_FAVORITES, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(index));
}

void FolderListEditor::updateButtons() {
    const auto recent = selectedRecent();
    const RecentButtons r = recentButtonStates(recent.size());
    enable(IDC_EDIT_RECENT_WHOLE, r.showWhole);
    enable(IDC_EDIT_RECENT_REMOVE, r.removeFromHistory);
    enable(IDC_EDIT_TO_FAVORITES, r.addToFavorites);
    if (r.showWhole)
        setTooltipText(m_recentTip, m_dialog, IDC_EDIT_RECENT, listItemText(IDC_EDIT_RECENT, static_cast<int>(recent.front())));

    m_model->selectFavorite(selectedFavorite());
    const auto favorite = m_model->favoriteSelection();
    const FavoriteButtons f = favoriteButtonStates(favorite, m_model->favorites().size());
    enable(IDC_EDIT_UP, f.up);
    enable(IDC_EDIT_DOWN, f.down);
    enable(IDC_EDIT_FAVORITES_WHOLE, f.showWhole);
    enable(IDC_EDIT_REMOVE, f.remove);
    enable(IDC_EDIT_SEPARATOR, f.separator);
    if (favorite)
        setTooltipText(m_favoritesTip, m_dialog, IDC_EDIT_FAVORITES, m_model->favorites()[*favorite]);
}

void FolderListEditor::showWhole(int listId) {
    std::wstring text;
    if (listId == IDC_EDIT_RECENT) {
        const auto selected = selectedRecent();
        if (selected.size() != 1)
            return;
        text = listItemText(listId, static_cast<int>(selected.front()));
    } else if (const auto favorite = m_model->favoriteSelection()) {
        text = m_model->favorites()[*favorite];
    }
    if (!text.empty())
        askUser(text, MB_OK | MB_ICONINFORMATION, m_dialog);
}

void FolderListEditor::addFolder() {
    const std::wstring start = m_favorites.path.size() >= 3 ? m_favorites.path.substr(0, 3) : std::wstring();
    BROWSEINFOW browse{};
    browse.hwndOwner = m_dialog;
    browse.lpszTitle = L"追加フォルダの指定";
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = browseCallback;
    browse.lParam = reinterpret_cast<LPARAM>(start.c_str());
    UniqueCoMem chosen(SHBrowseForFolderW(&browse));
    if (!chosen)
        return;
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(static_cast<PCIDLIST_ABSOLUTE>(chosen.get()), path))
        return;
    m_model->addFolder(path);
}

void FolderListEditor::save() {
    if (!m_recent.path.empty()) {
        // Reread now: folders appended while the editor was open must survive.
        if (const auto now = readListFileChecked(m_recent.path))
            if (const auto lines = m_model->recentToWrite(*now))
                writeListFile(m_recent.path, *lines);
    }
    if (const auto lines = m_model->favoritesToWrite(); lines && !m_favorites.path.empty())
        writeListFile(m_favorites.path, *lines);
}

void FolderListEditor::onCommand(int id, int code) {
    if (id == IDC_EDIT_RECENT || id == IDC_EDIT_FAVORITES) {
        if (code == LBN_SELCHANGE)
            updateButtons();
        return;
    }
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case IDC_EDIT_RECENT_WHOLE:
        showWhole(IDC_EDIT_RECENT);
        return;
    case IDC_EDIT_FAVORITES_WHOLE:
        showWhole(IDC_EDIT_FAVORITES);
        return;
    case IDC_EDIT_RECENT_REMOVE:
        if (!ask(L"履歴から削除していいですか"))
            return;
        m_model->removeFromHistory(selectedRecent());
        fillRecent();
        break;
    case IDC_EDIT_TO_FAVORITES:
        if (!m_model->addRecentToFavorites(selectedRecent()))
            showMessage(kAlreadyListed, m_dialog);
        fillFavorites();
        break;
    case IDC_EDIT_UP:
        m_model->moveSelectedUp();
        fillFavorites();
        break;
    case IDC_EDIT_DOWN:
        m_model->moveSelectedDown();
        fillFavorites();
        break;
    case IDC_EDIT_ADD:
        addFolder();
        fillFavorites();
        break;
    case IDC_EDIT_REMOVE:
        if (!ask(L"お気に入りから削除していいですか"))
            return;
        m_model->removeSelectedFavorite();
        fillFavorites();
        break;
    case IDC_EDIT_SEPARATOR:
        m_model->addSeparator();
        fillFavorites();
        break;
    case IDC_EDIT_OK:
        save();
        EndDialog(m_dialog, IDOK);
        return;
    case IDC_EDIT_CANCEL:
    case IDCANCEL:
        EndDialog(m_dialog, IDCANCEL);
        return;
    default:
        return;
    }
    updateButtons();
}

INT_PTR FolderListEditor::handleDialogMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        initialize();
        return TRUE;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void openFolderListEditor(HWND owner) {
    FolderListEditor editor;
    editor.run(owner);
}

} // namespace pvn
