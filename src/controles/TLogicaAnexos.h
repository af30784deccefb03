#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "controles/TLogicaBeneficiarios.h"

class TAnexoFC;
class TColecaoAnexo;
class TErro;
class TTolv;

// The annex side of the fund and process pages without their widgets: the annex being edited,
// the owner of the lines (a copy of it), the annexes' count and position, and how an annex is
// identified, stored, browsed, found, deleted and, for a process, how its court fixes the code of
// all its lines.
//
// The lines logic works on Dono(); every owner switch is announced to the page before (to let go
// of the line) and after (to show the owner's new blank line).
class TLogicaAnexos {
 public:
  using Modo = TLogicaBeneficiarios::Modo;
  using TrocouDono = std::function<void(bool antes)>;
  // Lines done and lines in all of a court change; false stops it, and nothing changes.
  using Progresso = std::function<bool(int feitas, int total)>;

  // modo: Fundo or Processo. The declaration outlives the object.
  TLogicaAnexos(TTolv& declaracao, Modo modo);
  ~TLogicaAnexos();
  TLogicaAnexos(const TLogicaAnexos&) = delete;
  TLogicaAnexos& operator=(const TLogicaAnexos&) = delete;

  void DefineLinhas(TLogicaBeneficiarios* linhas) { m_linhas = linhas; }
  void DefineTrocouDono(TrocouDono f) { m_trocouDono = std::move(f); }

  Modo GetModo() const { return m_modo; }
  bool EhProcesso() const { return m_modo == Modo::Processo; }
  TTolv& Declaracao() const { return *m_declaracao; }
  TAnexoFC& Anexo() const { return *m_anexo; }
  TAnexoFC& Dono() const { return *m_dono; }
  TColecaoAnexo& Colecao() const { return *m_colecao; }
  bool AnexoNovo() const;

  // Counts the annexes; the first entry into the identification starts a new annex.
  void Inicia();
  int Quantidade() const { return m_quantidade; }
  int Posicao() const { return m_posicao; }
  void RecontaAnexos();
  // The position, "/" and the count.
  QString Contador() const;

  // The owner becomes a copy of the annex being edited, unless it already is that annex.
  void TrocaDono();

  // A new annex after the line shown is stored; false when the line refused (shown).
  bool Inclui();
  // "PRI", "ULT", "NEXT" or "PREV".
  void Move(const QString& direcao);
  // Shows the annex of the key; false when it is not stored.
  bool Posiciona(const QString& chave);
  // Asks message 14 (a fund) or 168 (a process) and deletes the annex; then the last annex, or a
  // new one when none is left. False when the user said no or there was nothing to delete.
  bool Exclui();

  // The exits of the fund's CNPJ and name; a refusal raises its TErro.
  void DefineCnpjFundo(const QString& texto);
  void DefineNomeFundo(const QString& nome);
  // Leaving the identification: a valid identification is stored when it changed, and the owner
  // switched. False when the identification is not valid yet.
  bool SalvaIdentificacao();

  // The exit of the process number; `justica` is the court chosen (0 to 2) or -1. A refusal
  // raises. True when the number and court name a stored process, which is then shown.
  bool DefineNumeroProcesso(const QString& texto, int justica);
  // "5928", "5936" and "1895" for the courts 0, 1 and 2; empty for none.
  static QString CodigoDaJustica(int justica);
  // Restricts the process's lines to the code of a court (empty: no court): the annex and the
  // owner take the court, and the shown line the code when it has none.
  void FixaCodigoProcesso(const QString& codigo);
  enum class ResultadoJustica { SemNumero, Fixada, OutroProcesso, Regravada, Recusada };
  // A court chosen for the process (0 to 2, -1 none); `naEntrada` is the court the box had when
  // entered. A stored process under another court moves there when one exists with the number,
  // else every stored line takes the new court's code (one transaction; Recusada leaves all
  // lines and the court as they were).
  ResultadoJustica MudaJustica(int justica, int naEntrada, const Progresso& progresso);

  // The lawyer's number left: validated and set, or refused (the lawyer is cleared and the
  // refusal raised).
  void DefineAdvogado(const QString& texto);
  // The name known for the lawyer's number: of a beneficiary, else of another process's lawyer.
  QString NomeConhecidoAdvogado();
  // The lawyer's name left: stored with the process when the lawyer is valid and changed.
  void DefineNomeAdvogado(const QString& nome);
  // Asks message 126 and removes the lawyer from the process; false when the user said no.
  bool ExcluiAdvogado();

  // What the identification shown on the page lacks before its lines can be stored, as a message
  // code: 39 no CNPJ, 50 no fund name, 40 no process number, 180 no court; 0 when nothing is
  // missing. `justica` is the court box's index (-1 none).
  enum class Campo { Nenhum, Numero, Nome, Justica };
  struct Falta {
    int codigo = 0;
    Campo campo = Campo::Nenhum;
  };
  static Falta FaltaNaIdentificacao(Modo modo, const QString& numero, const QString& nome, int justica);

  // The shown counter's buttons.
  bool PodePrimeiro() const { return m_posicao > 1; }
  bool PodeUltimo() const { return m_posicao < m_quantidade; }

  // The refusal of a fund's CNPJ as the page shows it (41 as 39, 34 as 36).
  static void MostraErroCnpj(const TErro& erro);

 private:
  void trocaDono(bool forcado);
  void carregaPosicao();
  void buscaPosicaoProcesso();

  TTolv* m_declaracao;
  Modo m_modo;
  TLogicaBeneficiarios* m_linhas = nullptr;
  TrocouDono m_trocouDono;
  std::unique_ptr<TColecaoAnexo> m_colecao;
  std::unique_ptr<TAnexoFC> m_anexo;
  std::unique_ptr<TAnexoFC> m_dono;
  int m_quantidade = 0;
  int m_posicao = 0;
};
