#pragma once
// Menu command ids of the main frame. They double as help context numbers of commands.

namespace tsw::cmd {

inline constexpr int OpenChannelEdit = 1; // posted by the channel information editor
inline constexpr int ModelInformation = 32771;
inline constexpr int ReadFromRadio = 32772;
inline constexpr int WriteToRadio = 32773;
inline constexpr int TestMode = 32774;
inline constexpr int MemoryMap = 32775;
inline constexpr int RadioInformation = 32776;
inline constexpr int CommunicationPort = 32777;
inline constexpr int TreeView = 32778;
inline constexpr int CloseAllWindows = 32779;
inline constexpr int ChannelInformation = 32780;
inline constexpr int OptionalFeatures = 32781;
inline constexpr int KeyAssignment = 32782;
inline constexpr int ScanInformation = 32783;
inline constexpr int Dtmf = 32784;
inline constexpr int CrewLink = 32785;
inline constexpr int TestFrequency = 32786;
inline constexpr int EmbeddedMessage = 32787;
inline constexpr int FileNew = 32788;
inline constexpr int FileOpen = 32789;
inline constexpr int FileSave = 32790;
inline constexpr int FileSaveAs = 32791;
inline constexpr int FileExit = 32792;
inline constexpr int LanguageFileSetup = 32797;
inline constexpr int QtDqtTable = 32799;
inline constexpr int FileImportCsv = 32812; // the channel list from a CSV file
inline constexpr int FileExportCsv = 32813; // the channel list to a CSV file
inline constexpr int EditUndo = 32830;
inline constexpr int EditRedo = 32831;
inline constexpr int EditClearUndoHistory = 32832;
inline constexpr int InsertChannel = 32833; // on the channel table's selected channel
inline constexpr int DeleteChannel = 32834;
inline constexpr int CopyChannel = 32835;
inline constexpr int CopyRows = 32836;  // the selected channel rows to the clipboard as text
inline constexpr int PasteRows = 32837; // channel rows from the clipboard
inline constexpr int VerifyAfterWriting = 32840;   // Setup: read the radio back after a write
inline constexpr int CheckConfiguration = 32850;   // Tools > Check Configuration
inline constexpr int CompareWithFile = 32851;      // File > Compare with File
inline constexpr int CompareWithRadio = 32852;     // Program > Compare with Radio
inline constexpr int WriteToSeveralRadios = 32860; // Program > Write to Several Radios
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int ArrangeIcons = 57649;
inline constexpr int Cascade = 57650;
inline constexpr int TileHorizontally = 57651;
inline constexpr int TileVertically = 57652;
inline constexpr int HelpAbout = 57664;
inline constexpr int HelpTopics = 57667;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

} // namespace tsw::cmd
