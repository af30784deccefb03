#pragma once

#include <QString>

#include <cstdint>
#include <functional>

#include "entrega/TfoGravacao.h"

class TTolv;

// What the writing wizard asks of one writing.
struct PedidoGravacao {
  // The path chosen; its last three characters become "DEC", and it is updated so.
  QString Arquivo;
  // The declaration's database; the open declaration's when empty.
  QString Banco;
  // The federative unit of transmission, two letters.
  QString Uf;
  // The drive whose default folder may hold the delivery receipt (its mount point); the fixed
  // default drive when empty.
  QString Unidade;
  // What the verification counted: lines and section items.
  int ItensVerificados = 0;
  // Also the records alone as "TXT".
  bool CopiaTexto = false;
};

// The driver of a writing: refuses to write over a transmitted declaration, checks the free
// space, counts the work for the progress and runs the writer. Headless: the wizard follows it
// through the hooks.
class TArquivoTolv {
 public:
  // Removes DADOS/Recibo.ini, which belongs to an earlier hand-over.
  TArquivoTolv();

  TfoGravacao::Ganchos& GetGanchos() { return m_ganchos; }
  // Free bytes of the volume holding the folder; the system's when not set (tests fake it).
  void DefineEspacoLivre(std::function<int64_t(const QString& pasta)> espacoLivre) { m_espacoLivre = std::move(espacoLivre); }

  // Writes the declaration. Answers 0 (written, or failed: see GetFalhaGravacao), 99 (not
  // enough free space on the data folder's volume or on the target's), 100 (a delivery receipt
  // exists for this declaration), 102 (overwrite refused or cancelled) or 233 (the file cannot
  // be created). The declaration's generation date becomes now only after a successful writing.
  int GravaArquivo(PedidoGravacao& pedido, TTolv& declaracao);

  // The delivery receipt of the declaration in the default folder of the drive (the fixed
  // default drive when empty). A diskette drive is never looked at.
  bool ExisteRecibo(const TTolv& declaracao, const QString& unidade = {}) const;

  // The older-layout import's hook: reads nothing and answers 0.
  int ImportaDeclaracao(const QString& /*arquivo*/) { return 0; }

  bool GetFalhaGravacao() const { return m_falha; }
  const QString& GetMensagemFalha() const { return m_mensagemFalha; }

  // Whether the free space passes: (free - 102400) / 730, truncated, above the item count.
  static bool EspacoSuficiente(int64_t livre, int itens);

 private:
  int64_t EspacoLivre(const QString& pasta) const;

  TfoGravacao::Ganchos m_ganchos;
  std::function<int64_t(const QString&)> m_espacoLivre;
  bool m_falha = false;
  QString m_mensagemFalha;
};
