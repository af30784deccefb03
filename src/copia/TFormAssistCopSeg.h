#pragma once

#include <QString>

#include <cstdint>
#include <memory>

#include "controles/TFormAssistNovo.h"
#include "copia/CopiaSeguranca.h"
#include "plataforma/compressao/Compressor.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class TGradeDeclaracoes;
class TTolvButton;
struct LinhaDeclaracao;
namespace bd {
class Conexao;
}

// The backup wizard, "Gravação de cópia de segurança": the whole database (the index and every
// declaration database, ".cmp") or one declaration's database (".dbk") into a ZIP archive.
//
// Pages: 1 the choice, 7 the list of declarations (one declaration), 2 the archive's name, 3 the
// diskette notice, 4 the progress, 5 done, 6 failed. Avançar on page 2 checks the destination,
// writes the archive (under ".tmp", renamed over the target once complete) and ends on page 5
// or 6. The settings of the backup folder are written only after a whole-database backup
// succeeded. Cancelar during the writing stops it at the next block.
class TFormAssistCopSeg : public TFormAssistNovo {
  Q_OBJECT
 public:
  explicit TFormAssistCopSeg(QWidget* dono = nullptr);
  ~TFormAssistCopSeg() override;

  void MostraPagina(int pagina) override;
  bool PodeAvancar(int indice) override;
  bool ProcessaPasso(int passo) override;
  // Cancelar: the wizard closes as cancelled and a running compression stops.
  void CancelBtnClick() override;

  // Leaving page 2: whether the typed destination can take the archive (messages on refusal).
  bool ConfereDestino();
  // The browse button of page 2.
  void BtnProcurarClick();
  // Page 7's filter, after a change of the edit `origem` (0 number, 1 name, 2 year).
  void FiltraDeclaracoes(int origem);

  bool CopiaBase() const;
  bool Disquete() const { return m_disquete; }
  int64_t TamanhoTotal() const { return m_tamanhoTotal; }
  QString CaminhoDestino() const { return m_destino; }
  // 1 done, 2 cancelled, other failed.
  int CodigoResultado() const { return m_codigo; }
  const QString& MotivoFalha() const { return m_motivo; }

  // A text that ends in the check digits of the person's (10, 11 characters) or company's (13,
  // 14) number whose base it starts with.
  static bool DigitoVerificadorConfere(const QString& texto);

 private:
  void criaPaginas();
  void PassoLista();
  bool PassoCompressao();
  void PassoConfiguracoes();
  void PassoDeclaracoes();
  void AbreDeclaracoes(const QString& sql, const QStringList& filtros, const QStringList& valores);
  void FechaDeclaracoes();
  const LinhaDeclaracao* DeclaracaoEscolhida() const;
  QString NomePadraoDeclaracao() const;
  void Progresso(int percentual);

  // Settings read at creation.
  QString m_dirDefault, m_dirUltimo, m_arqDefault, m_arqUltimo;
  QString m_destino;
  int64_t m_tamanhoTotal = 0;
  bool m_disquete = false;
  int m_codigo = 0;
  QString m_motivo;
  CopiaSeguranca::Lista m_lista;
  compressao::Compressor m_compressor;
  std::unique_ptr<bd::Conexao> m_indice;  // page 7's own connection to the index

  QRadioButton* m_rbCopBanco = nullptr;
  QRadioButton* m_rbCopDec = nullptr;
  QLineEdit* m_edArquivo = nullptr;
  TTolvButton* m_btnProcurar = nullptr;
  QLabel* m_label5 = nullptr;
  QProgressBar* m_gaugeTotal = nullptr;
  QLabel* m_label7 = nullptr;
  QLabel* m_label1 = nullptr;
  QLineEdit* m_edtCPFCNPJ = nullptr;
  QLineEdit* m_edtNome = nullptr;
  QLineEdit* m_edtAnoCalendario = nullptr;
  TGradeDeclaracoes* m_grade = nullptr;
};

// Closes nothing of the caller's: the main window closes its declaration and collections first.
// Runs the wizard modally over `dono`; true when an archive was written.
bool ExecutaCopiaSeguranca(QWidget* dono);
