#pragma once

#include <QString>

#include <cstdint>
#include <functional>

#include "entrega/TfoGravacao.h"

class TColecaoTolv;
class TTolv;
class TTolvItem;

// The counters that the import of an older-layout declaration hands back, in their order.
struct ContadoresImportacaoAnterior {
  int declaracoes = 0;
  int beneficiariosAdicionados = 0;
  int beneficiariosSubstituidos = 0;
  int beneficiariosConsolidados = 0;
  int beneficiariosRejeitados = 0;
  int registrosRejeitados = 0;
  int fundosAdicionados = 0;
  int processosAdicionados = 0;
  int avisos = 0;
};

// What the previous-years wizard hands to the import of an older-layout declaration.
struct PedidoImportacaoAnterior {
  // Set by the wizard's Cancelar while the import runs.
  const bool* cancelado = nullptr;
  uint8_t tipoArquivo = 0;        // 1 a declaration file, 0 a text file
  uint8_t tipoArquivoAntigo = 0;  // 2 or 0
  TColecaoTolv* colecao = nullptr;
  TTolv* declaracao = nullptr;
  QString arquivo;
  QString nomeLog;
  QString ano;
  ContadoresImportacaoAnterior* contadores = nullptr;
  // Progress (position, maximum) and the text of the line under way.
  std::function<void(int, int)> progresso;
  std::function<void(const QString&)> rotulo;
  // A beneficiary line that is stored already: keep it (1), replace it (2) or replace it by the
  // sum of both (3); `todos` takes the choice for every later conflict when the user asks so.
  using Decide = std::function<uint8_t(TTolvItem& base, TTolvItem& importado, TTolvItem& soma, uint8_t& todos)>;
  Decide decide;
};

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

  // The import of a declaration of the older layout: the routine of this edition reads nothing,
  // stores nothing, leaves the counters as they are and answers 0 (no message).
  int ImportaDeclaracao(PedidoImportacaoAnterior& /*pedido*/) { return 0; }

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
