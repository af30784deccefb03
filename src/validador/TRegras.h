#pragma once

#include <QString>

#include <cstdint>

#include "validador/TabelaRegras.h"

class TArquivoDados;

// A rule name resolved once: the function that runs it (nullptr when the element's class has no
// rule of that name) and its entry in the validator catalogue.
struct RegraResolvida {
  FuncaoRegra funcao = nullptr;
  int validador = -1;
  QString nome;
  // The element's fixed attributes make the rule hold whatever the value: it need not run.
  bool sempreVale = false;
};

// The base of every tested element: the value under test, the rules that every element may run
// (dates, tax numbers, names and the like), and the running of a rule by its resolved name. A rule
// answers true when it holds; before failing it may leave texts for the finding or replace its
// catalogue message for this run.
class TRegras {
 public:
  TRegras(TArquivoDados& dados, const TabelaRegras& tabela);
  virtual ~TRegras();
  TRegras(const TRegras&) = delete;
  TRegras& operator=(const TRegras&) = delete;

  static const TabelaRegras& Tabela();

  // The rule of that name on this element's class; the catalogue entry of the name.
  RegraResolvida Resolve(const QString& nome) const;
  // Runs a resolved rule. A rule the class lacks is told in a message box, clears the element's
  // rule availability and answers false.
  bool Executa(const RegraResolvida& regra);
  // Resolves and runs: for the few rules run by name outside an element's list.
  bool ExecutaRegraPorNome(const QString& nome);

  const QString& GetValor() const { return m_valor; }
  void SetValor(const QString& valor) { m_valor = valor; }
  bool RegrasDisponiveis() const { return m_regrasDisponiveis; }
  uint16_t GetCodigoMensagem() const { return m_codigoMensagem; }
  const TabelaRegras& TabelaDaClasse() const { return *m_tabela; }
  TArquivoDados& Dados() const { return *m_dados; }

 protected:
  // Replaces the running rule's catalogue message for the rest of the run.
  void SetMensagemRegra(const QString& texto);
  // The catalogue text of a message code of the program.
  static QString TextoCodigo(int codigo);
  // The value as an eight-character date year, month, day that converts to a real date.
  static bool EhData(const QString& valor);
  static bool SoDigitos(const QString& valor);

  bool ER_Data_Valida();
  bool ER_Data_Nascimento_Valida();
  bool ER_Data_Nascimento_Valida_Intervalo();
  bool RN_Data_de_Evento_Valida();
  bool RN_Data_do_Laudo_Valida();
  bool ER_Data_Inferior_do_Laudo_Valida();
  bool RN_Data_Pagamento_valida();
  bool RN_CPF_valido();
  bool RN_CPF_valido_ou_branco();
  bool RN_CNPJ_valido();
  bool RN_Nome_valido();
  bool RN_Nome_Empresarial_Valido();
  bool RN_Correio_eletronico_valido();
  bool RN_Declaracao_situacao_especial_valida();
  bool RN_Declaracao_situacao_normal_valida();
  bool RN_Numero_do_Recibo_Valido();
  bool RN_Numero_do_Processo_Valido();
  bool RN_Numero_do_Processo_Valido_RRA();
  bool RN_Registro_ANS_valido();
  bool ER_Natureza_RRA_Valida();
  bool RN_Relacao_dependencia_valida();
  bool RN_Nome_remessa_valido();
  bool RN_NIF_caracter_valido();
  bool RN_Telefone_valido();
  bool RN_Codigo_de_pais_valido();
  bool RN_Codigo_Receita_Valido();
  bool RN_Codigo_Receita_Valido_Para_Pais();
  bool RN_Valor_pago_Titular_valido();
  bool RN_Tipo_Advogado();
  bool ER_Registro_Inf_Branco();
  bool ER_ExisteBeneficiarioInf();
  bool ER_ExisteRemessa();
  bool Max_Erros_Avisos();

  TArquivoDados* m_dados;
  const TabelaRegras* m_tabela;
  bool m_regrasDisponiveis = true;
  QString m_valor;
  uint16_t m_codigoMensagem = 0;
  // The rule being run.
  const RegraResolvida* m_regraAtual = nullptr;
};
