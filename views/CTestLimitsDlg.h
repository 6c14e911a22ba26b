#pragma once

#include "data/TestLimits.h"

#include <QDialog>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class CableCountsModel;

// "Test Limits": the limit the loss tests are certified against. The method
// and, for a budget, its preset; the figures per wavelength (fixed limits,
// attenuation), the connector and splice loss, the counts of connections and
// splices for all cables and per cable, and the warning band. A figure left
// empty is not given (a budget then takes the preset's, shown greyed in the
// field). Figures are kept as typed and read as exact decimals. A wavelength
// of the file that the limit has no figure for is named in a warning, and
// its field marked; so is a cable the limit names that the file has not.
// Open and Save As read and write limit files; OK refuses a figure that a
// limit file could not hold, naming it.
class CTestLimitsDlg : public QDialog
{
    Q_OBJECT

public:
    // `cables` are the loaded file's cable names as shown and `waveLengths`
    // its wavelengths, offered beside those the limit names.
    CTestLimitsDlg(const TestLimits& limits, const std::vector<std::string>& cables,
                   const std::vector<int32_t>& waveLengths, QWidget* parent = nullptr);

    // Shows `limits`; cables and wavelengths it names that the dialog does
    // not list yet are added.
    void Load(const TestLimits& limits);
    // The limit the dialog holds; nothing, with the reason in `error`, when
    // a field holds no figure a limit file could hold.
    std::optional<TestLimits> Limits(QString* error = nullptr) const;

    // Open... asks for a limit file and shows it; a file that is refused is
    // told, naming the key at fault, and the dialog stays as it was.
    void OpenLimitFile();
    // Save As... writes the limit the dialog holds to a file the user names.
    void SaveLimitFile();

    // The fields, for tests.
    QComboBox* Method() const { return m_Method; }
    QComboBox* Preset() const { return m_Preset; }
    QLineEdit* FixedLimit(int32_t waveLength) const;
    QLineEdit* Attenuation(int32_t waveLength) const;
    QLineEdit* ConnectorLoss() const { return m_ConnectorLoss; }
    QLineEdit* SpliceLoss() const { return m_SpliceLoss; }
    QSpinBox* Connections() const { return m_Connections; }
    QSpinBox* Splices() const { return m_Splices; }
    QLineEdit* WarningBand() const { return m_WarningBand; }
    // Each cable's own counts; CableCountsModel::All, shown as "all", takes
    // the count for all cables.
    CableCountsModel* CableCounts() const { return m_CableCounts; }
    QLabel* Warning() const { return m_Warning; }
    QPushButton* OpenButton() const { return m_Open; }
    QPushButton* SaveButton() const { return m_Save; }

public slots:
    void accept() override;

private:
    struct WaveRow
    {
        QLineEdit* fixed;
        QLineEdit* attenuation;
    };
    void AddWaveLength(int32_t waveLength);
    // Greys what the chosen method does not use, and shows the preset's
    // figures where the fields leave them to it.
    void UpdateFields();
    // Names the file's wavelengths the limit leaves uncertified and the
    // limit's cables the file has not.
    void UpdateWarning();

    QComboBox* m_Method;
    QComboBox* m_Preset;
    QWidget* m_WaveBox;
    std::map<int32_t, WaveRow> m_Waves;
    QLineEdit* m_ConnectorLoss;
    QLineEdit* m_SpliceLoss;
    QSpinBox* m_Connections;
    QSpinBox* m_Splices;
    QLineEdit* m_WarningBand;
    QTableView* m_CableTable;
    CableCountsModel* m_CableCounts;
    QLabel* m_Warning;
    const std::vector<std::string> m_FileCables;
    const std::vector<int32_t> m_FileWaveLengths;
    // What a limit gave cables beyond their counts, kept as it was.
    std::map<std::string, CableLimits, std::less<>> m_CableFigures;
    QPushButton* m_Open;
    QPushButton* m_Save;
};

// Edit > Test Limits...: the dialog on `limits`; the limit chosen, or
// nothing when the user cancelled.
std::optional<TestLimits> EditTestLimits(QWidget* owner, const TestLimits& limits,
                                         const std::vector<std::string>& cables,
                                         const std::vector<int32_t>& waveLengths);
