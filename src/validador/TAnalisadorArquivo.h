#pragma once

#include <QString>

#include <cstdint>
#include <memory>

#include "validador/TArquivoA.h"
#include "validador/TRegras.h"
#include "validador/TTipoRegistro.h"

class IBancoAnalise;
class IServicosSecoes;
class TAcoesContexto;
class TArquivoDados;
class TDeclaracao;
class TRegistro;

// The analysis of one declaration text file, headless: the header read up to the declarant, then
// every further line tested as a line, as a record of its type with its fields, and against the
// declaration's rules, each finding written to the run's log and each line marked importable or
// not. The import run drives it (its window, its database and its import pass around it); the
// command and the tests run it on its own.
class TAnalisadorArquivo {
 public:
  // The run state must already carry its layout version. The actions and the database are not
  // owned; nullptr: the context actions without database probes, and no database switching.
  TAnalisadorArquivo(TArquivoDados& dados, TAcoesContexto* acoes = nullptr, IBancoAnalise* banco = nullptr);
  ~TAnalisadorArquivo();
  TAnalisadorArquivo(const TAnalisadorArquivo&) = delete;
  TAnalisadorArquivo& operator=(const TAnalisadorArquivo&) = delete;

  // Opens the file for the two passes (see TArquivo::Abre).
  bool Abre(const QString& arquivo);
  void Fecha();
  // From the first line up to the declarant record; the run fails when the header is not right.
  void PreAnalisa();
  // From the line after the declarant to the trailer.
  void Analisa();

  // A database was opened for the analysis of this run.
  bool BancoAberto() const { return m_bancoAberto; }
  TArquivoA& Arquivo() { return m_arquivo; }
  TDeclaracao& Declaracao() { return *m_declaracao; }

  // The layout version a file's first line names, upper-cased: 4 "F8UCL6S", 3 "7C2DE7J",
  // 2 "1A4MA1R", 0 none.
  static uint8_t VersaoLeiaute(const QString& primeiraLinha);

  struct Resultado {
    uint8_t versao = 0;
    bool concluido = false;
    bool falhou = false;
    int erros = 0;
    int avisos = 0;
    int registrosRejeitados = 0;
    // Why the findings log could not be written; empty when it could.
    QString erroLog;
  };
  // Detects the layout, runs both passes and closes the log (an empty log is deleted).
  static Resultado AnalisaArquivo(const QString& arquivo, const QString& caminhoLog,
                                  IServicosSecoes* servicos = nullptr);

 private:
  TRegistro& RegistroDaLinha();
  void LeDeclarante(TRegistro& registro);
  void MarcaNiveisPreAnalise(TTipoRegistro tipo);
  void IniciaBloco(TTipoRegistro tipo);
  void Aceita(TRegistro& registro);
  void Rejeita(TTipoRegistro tipo);
  void FechaBanco();

  TArquivoDados& m_dados;
  std::unique_ptr<TAcoesContexto> m_acoesProprias;
  TAcoesContexto* m_acoes;
  IBancoAnalise* m_banco;
  QString m_nomeArquivo;
  TArquivoA m_arquivo;
  std::unique_ptr<TDeclaracao> m_declaracao;
  bool m_bancoAberto = false;
  RegraResolvida m_regraTolv;
  RegraResolvida m_maxErros;
  RegraResolvida m_fimDeclaracao;
};
