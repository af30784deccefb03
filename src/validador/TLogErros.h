#pragma once

#include <QString>

#include <memory>

class ArquivoTexto;

// The log of the rejected lines of an income-statement import, in DADOS/ErroImp/: during a run
// "Erros.txt" gets one line per rejection ("Linha: <n> - <message>") and "LinhaErro.txt" the
// rejected line itself, in the same order; at the end of the run they become <root>.dsc and
// <root>.txt, replacing the pair of an earlier run of the same root. The report of rejected lines
// reads the pair back, line by line, and deletes it.
//
// Every file operation answers whether it worked; the first failure since Inicia or Abre is kept
// in Falha() so that the caller can tell the user, never a silent loss of the log.
class TLogErros {
 public:
  TLogErros();
  ~TLogErros();
  TLogErros(const TLogErros&) = delete;
  TLogErros& operator=(const TLogErros&) = delete;

  static const QString kArquivoMensagens;  // "Erros.txt"
  static const QString kArquivoLinhas;     // "LinhaErro.txt"

  // <program folder>/DADOS/ErroImp/ (with its trailing '/').
  const QString& Pasta() const { return m_pasta; }
  const QString& Raiz() const { return m_raiz; }
  QString ArquivoDescricoes() const { return m_pasta + m_raiz + QStringLiteral(".dsc"); }
  QString ArquivoDados() const { return m_pasta + m_raiz + QStringLiteral(".txt"); }

  // Writing. Creates both work files anew (the open helper asks whether to try again).
  bool Inicia(const QString& raiz);
  bool Registra(int linha, const QString& mensagem, const QString& texto);
  // Closes both work files.
  bool Fecha();
  // Closes both and gives them their final names over the earlier pair.
  bool Finaliza();

  // Reading back <root>.dsc and <root>.txt.
  bool Abre(const QString& raiz);
  // The next message and data lines, while neither file is at its end.
  bool LeProximo();
  bool FimLog() const;
  bool Reinicia();
  const QString& Mensagem() const { return m_mensagem; }
  const QString& Dados() const { return m_dados; }
  // Closes both and deletes <root>.dsc and <root>.txt; Falha() then tells only what this failed.
  bool Apaga();

  const QString& Falha() const { return m_falha; }

 private:
  bool Falhou(const QString& texto);
  void FechaLeitura();

  QString m_pasta;
  QString m_raiz;
  std::unique_ptr<ArquivoTexto> m_mensagens;
  std::unique_ptr<ArquivoTexto> m_linhas;
  QString m_mensagem;
  QString m_dados;
  QString m_falha;
};
