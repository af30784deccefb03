#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <cstdint>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class ProgramaTransmissao;

// Hands written declaration files to the separate transmission program and shows one status line
// per file (FResultTrans): "30" being handed over, "20" accepted, "40" accepted with a warning,
// "10" refused, each drawn with its icon, and the program's message for the line clicked. Placed
// on the transmission wizard's result page and on the writing wizard's last page.
class TFrResultTrans : public QFrame {
  Q_OBJECT
 public:
  explicit TFrResultTrans(QWidget* pai = nullptr);
  ~TFrResultTrans() override;

  // The files to hand over, filled by the host before Transmite.
  QStringList& GetArquivos() { return m_arquivos; }
  // Hands the files over one by one (nothing selected: says so). A failure of ours marks the
  // file's line "10" with its reason and leaves the list usable.
  void Transmite();
  void EnviaDeclaracoes();
  // Clears the message memo and forgets the messages.
  void Limpa();

  // Set when at least one file was accepted with 0 or 2: its delivery receipt can be printed.
  bool ImprimeRecibos() const { return m_imprimeRecibos; }
  // The library's message per file, in list order (line feeds made two blanks).
  const QStringList& Mensagens() const { return m_mensagens; }
  // The lines as they stand, with their status prefixes.
  QStringList Linhas() const;
  // The notice shown instead of the result list; empty while the list shows.
  QString Aviso() const;
  bool MostraAviso() const;

  // The file the writer wrote last: a list holding one empty entry hands it over (as ".DEC").
  void SetArquivoGravado(const QString& caminho) { m_arquivoGravado = caminho; }

  // The certificate choice of both wizards, handed to the library: 0 or 1.
  static void SetCertificado(int certificado);
  static int Certificado();

  void LbxResultadoClick(int linha);

  // The status of a library's result: "20", "40" or "10".
  static QString Prefixo(int resultado);

 protected:
  // Hands one file to the loaded program: its result and message.
  virtual int EntregaArquivo(ProgramaTransmissao& programa, uintptr_t janela, const QString& caminho,
                             QString& mensagem);

 private:
  void mostraAviso(const QString& texto, bool comSite);
  void defineLinha(int linha, const QString& texto);

  QStringList m_arquivos;
  QStringList m_mensagens;
  QString m_arquivoGravado;
  bool m_imprimeRecibos = false;
  QWidget* m_pnTrans = nullptr;
  QListWidget* m_lbxResultado = nullptr;
  QPlainTextEdit* m_meErro = nullptr;
  QWidget* m_pnDownLoad = nullptr;
  QLabel* m_lbAviso = nullptr;
  QLabel* m_lbSite = nullptr;
};

// The progress callback handed to the transmission program: moves the attached gauge, if any,
// and keeps the window painting.
void AtualizaGaugeTransmissao(int32_t posicao);
// Attaches (or, with nullptr, detaches) the gauge that AtualizaGaugeTransmissao moves.
void DefineGaugeTransmissao(QProgressBar* gauge);
