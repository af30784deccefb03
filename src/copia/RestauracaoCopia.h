#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "plataforma/compressao/Descompressor.h"

class TErros;
class TTolv;

// The work of a restore, apart from its window. An archive is first extracted into the data
// folder's TEMP and checked whole: every name it holds and every name its index lists must be a
// declaration database's (or the index's), the index must be there and list only files the
// archive holds, and the data must be of this program's year. Only then is anything of the data
// folder replaced, each file by one checked rename that keeps the mode of the file it replaces.
// The replacement follows a plan written into the data folder before its first step: a restore
// cut short (the process killed, a failure after the first file) is completed from the plan by
// the next start of the program or by the next restore, so that the index and the databases it
// lists never stay apart.
class RestauracaoCopia {
 public:
  enum class Tipo { Base, Declaracao };

  // How a step ended. The code is the window's: 0 the archive could not be extracted, 1 it was
  // extracted, 2 the extraction was cancelled, -1 another establishment of the same company
  // stopped the restore. A step can fail with code 1: what came out of the archive was refused,
  // or replacing the files failed.
  static constexpr int kConflito = -1;
  struct Resultado {
    int codigo = compressao::Falhou;
    bool ok = false;
    QString mensagem;  // the reason, for the user; empty after a success or a cancel
  };

  explicit RestauracaoCopia(Tipo tipo);
  ~RestauracaoCopia();
  RestauracaoCopia(const RestauracaoCopia&) = delete;
  RestauracaoCopia& operator=(const RestauracaoCopia&) = delete;

  Tipo GetTipo() const { return m_tipo; }

  // Empties TEMP and extracts the archive there, then checks what came out (above). A failure
  // leaves TEMP empty and the data folder as it was.
  Resultado Extrai(const QString& arquivo, const compressao::Progresso& progresso);
  // Asks the running extraction to stop at its next block.
  void Cancela();

  // After a whole database was extracted: the archive index's declarations and data year.
  int QuantidadeArquivo() const { return m_quantidadeArquivo; }
  int AnoArquivo() const { return m_anoArquivo; }
  // After one declaration was extracted: its database's name and the declaration it holds.
  const QString& Banco() const { return m_banco; }
  TTolv* Declaracao() const { return m_tolv.get(); }

  // Replaces the index and the declaration databases by the extracted ones and deletes the
  // other declaration databases of the data folder (never the template). `passo` is told each
  // file moved. On failure the files not reached yet are as they were.
  Resultado RestauraBase(const std::function<void()>& passo = {});
  // Puts the extracted declaration in place of its database and lists it in the index. A
  // company whose root already has another establishment's declaration of that year stops with
  // kConflito and message 293.
  Resultado RestauraDeclaracao();

  // Empties and removes TEMP; false when something stayed. TEMP is left alone while a plan is
  // pending: it holds the files the plan still has to move.
  static bool LimpaTemp();

  // Completes the replacement of a restore that was cut short, from its plan; ok with no message
  // when there was none. `havia` tells whether there was one.
  static Resultado CompletaPendente(bool* havia = nullptr);
  // Whether a plan waits to be completed.
  static bool HaPendente();
  // Called before each step of a replacement with its number (from 0; the last one, after every
  // file, before the plan is removed). Tests stop the work there as a kill would.
  static void DefineParada(std::function<void(int passo)> parada);

  // The index's rows copied into another index database, in place of its own: TOLVS and
  // RESPONSAVEIS emptied and filled in one transaction, committed after the last row (on failure
  // nothing changed); the key generator follows the copied keys. Used when the index file itself
  // cannot be replaced.
  static bool CopiaLinhasIndice(const QString& origem, const QString& destino, QString* erro);

 private:
  Resultado ConfereBase();
  Resultado ConfereDeclaracao();
  Resultado Falha(const QString& mensagem);
  struct Passo;
  // Writes the plan (unless it is being taken up), does its steps and removes it.
  // `movido` is told each file put in place.
  static Resultado Executa(const std::vector<Passo>& plano, const std::function<void()>& movido = {});
  static bool GravaPlano(const std::vector<Passo>& plano, QString* erro);
  static std::optional<std::vector<Passo>> LePlano();

  Tipo m_tipo;
  compressao::Descompressor m_descompressor;
  QString m_indiceExtraido;      // the extracted index's name as the archive spells it
  QStringList m_bancosIndice;    // the archive index's ARQUIVO, in its order
  QStringList m_extraidos;       // names of the extracted files
  int m_quantidadeArquivo = 0;
  int m_anoArquivo = 0;
  QString m_banco;
  std::unique_ptr<TErros> m_erros;
  std::unique_ptr<TTolv> m_tolv;
};

// At the program's start, before the index opens: completes a restore that was cut short and
// tells the user how it ended (nothing when there was none). Clears both database-failure flags,
// so that the index opens afresh from what came back.
void CompletaRestauracaoPendente();
