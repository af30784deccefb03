#include "validador/TListaValidadores.h"

#include <QHash>

namespace {

struct Entrada {
  const char* nome;
  uint8_t severidade;
  const char16_t* mensagem;
};

// Entries 44 and 45 share entry 12's text; entry 62 keeps the second of the two texts it was given.
constexpr Entrada kCatalogo[TListaValidadores::kQuantidade] = {
    {"ER_RegraInicial", 2, u""},  // 0
    {"ER_RegistroDesconhecido", 2, u"Indicador de registro não reconhecido"},  // 1
    {"ER_RegistroTOLV", 2, u"Este registro não é o registro TOLV"},  // 2
    {"ER_NumeroDeDelimitadores", 2, u"Linha não termina com delimitador pipe \"|\""},  // 3
    {"ER_DeclaracaoValida", 2, u"Não foi encontrada sequência válida de registros TOLV + RESPO + DECPJ ou DECPF no início do arquivo"},  // 4
    {"ER_FimDeclaracaoValido", 2, u"Registro não encontrado no arquivo"},  // 5
    {"ER_ExisteRegistroPROCObrigatorio", 1, u"Declarante com indicativo de Depositário de crédito decorrente de decisão judicial sem registro de processos (PROC)"},  // 6
    {"ER_ExisteRegistroFCIObrigatorio", 1, u"Declarante com indicativo de Instituição administradora ou intermediadora de fundo ou clube de investimento sem registro de Fundo ou Clube de Investimento (FCI)"},  // 7
    {"ER_ExisteRegistroRPDEObrigatorio", 1, u"Declarante com indicativo de que pagou Rendimentos a residentes ou domiciliados no exterior sem registro (RPDE)"},  // 8
    {"ER_ExisteRegistroOPSEObrigatorio", 1, u"Declarante com indicativo de Plano privado de assistência à saúde sem registro de operadora (OPSE)"},  // 9
    {"ER_NumerodeCamposRegistro", 2, u"O número de campos do registro não é o esperado"},  // 10
    {"Max_Erros_Avisos", 2, u"A importação foi interrompida, pois atingiu 5.000 erros"},  // 11
    {"ER_TamanhoMaximo", 2, u"Tamanho máximo do campo excedido"},  // 12
    {"ER_Obrigatorio", 2, u"Campo obrigatório e não informado"},  // 13
    {"ER_Formato", 2, u"Campo contém  caracteres não permitidos"},  // 14
    {"ER_TamanhoObrigatorio", 2, u""},  // 15
    {"ER_ConteudoObrigatorio", 2, u"Campo não foi preenchido com o valor previsto"},  // 16
    {"ER_Preenchimento", 2, u"Tamanho de campo menor que o esperado"},  // 17
    {"ER_RegistroPai", 2, u" Registro não importado devido a erro na linha %s "},  // 18
    {"ER_OrdemProc", 2, u"Registro fora de ordem para processo %s"},  // 19
    {"ER_OrdemRra", 2, u"Registro fora de ordem para rendimento recebido acumuladamente %s"},  // 20
    {"ER_OrdemFCI", 2, u"Registro fora de ordem para fundo ou clube %s"},  // 21
    {"ER_OrdemBenefDec", 2, u"Registro fora de ordem para beneficiário do declarante"},  // 22
    {"ER_OrdemBenefProc", 2, u"Registro fora de ordem para beneficiário de processo"},  // 23
    {"ER_OrdemBenefFci", 2, u"Registro fora de ordem para beneficiário de fundo ou clube"},  // 24
    {"ER_OrdemRemessa", 2, u"Registro fora de ordem para remessa %s"},  // 25
    {"ER_OrdemValorRemessa", 2, u"Registro fora de ordem para o valor da remessa %s"},  // 26
    {"ER_RegistroAnterior", 2, u"Este registro precisa estar associado a um registro do tipo %s"},  // 27
    {"ER_Fases", 2, u"Encontrado um segundo bloco com informações de registros de %s"},  // 28
    {"ER_CodigoReceita", 2, u"Código de receita inválido ou não permitido para o bloco de %s"},  // 29
    {"ER_CodigoReceitaExisteAno", 2, u"O Código de receita %s não é válido para esse ano-calendário"},  // 30
    {"Er_OrdemCodRet", 2, u"Código de receita fora de ordem %s"},  // 31
    {"Er_Data_Valida", 2, u"Data inválida"},  // 32
    {"ER_Declarante_flag_nao_Residentes", 2, u"Indicador de declarante de rendimentos pagos a residentes ou domiciliados no exterior igual a \"N\". Os registros referentes aos pagamentos a residentes ou domiciliados no exterior não foram importados"},  // 33
    {"ER_Declarante_flag_Copa", 2, u"Indicador de declarante que efetuou pagamentos relacionados à Copa das Confederações Fifa 2013 e Copa do Mundo Fifa 2014 igual a \"N\". Os registros referentes aos voluntários da copa não foram importados"},  // 34
    {"ER_Declarante_flag_processo", 2, u"Indicador de declarante depositário de crédito decorrente de decisão judicial igual a \"N\". Os registros referentes aos processos da justiça do trabalho/federal/estadual/Distrito Federal não foram importados"},  // 35
    {"ER_Declarante_flag_fc", 2, u"Indicador de declarante instituição financeira administradora ou intermediadora de fundo ou clube de investimento igual a \"N\". Os registros referentes aos fundos ou clubes de investimentos não foram importados"},  // 36
    {"ER_Declarante_flag_pse", 2, u"Indicador de plano privado de assistência à saúde - coletivo empresarial igual a \"N\". Os registros referentes aos planos privados de assistência à saúde não foram importados"},  // 37
    {"ER_Declarante_flag_socio_ostensivo", 2, u"sem mensagem definida"},  // 38
    {"ER_CodretValores", 2, u"Registro não permitido para o código de receita ou para a natureza do declarante informado"},  // 39
    {"ER_CodretValores13", 2, u"Décimo terceiro não permitido para o código de receita informado"},  // 40
    {"ER_ValoresNaoNulosMensais", 2, u"Pelo menos um campo de valor deve ser diferente de zero"},  // 41
    {"ER_CodretPF", 2, u"Código de receita exclusivo para beneficiário pessoa jurídica"},  // 42
    {"ER_CodretPJ", 2, u"Código de receita exclusivo para beneficiário pessoa física"},  // 43
    {"ER_TamanhoNiAdvogado", 2, u"Tamanho máximo do campo excedido"},  // 44
    {"ER_TamanhoNomeAdvogado", 2, u"Tamanho máximo do campo excedido"},  // 45
    {"ER_OrdemDTPSE", 2, u"Registro fora de ordem para o dependente informado"},  // 46
    {"ER_OrdemOPSE", 2, u"Registro fora de ordem para a operadora informada"},  // 47
    {"ER_OrdemTPSE", 2, u"Registro fora de ordem para o titular informado"},  // 48
    {"ER_JaExisteTitular", 2, u"Titular já existente para a operadora %s"},  // 49
    {"ER_JaExisteDependente", 2, u"Dependente já existente para o titular %s"},  // 50
    {"ER_MemoriaRegistro", 1, u"Registro IDREC para o código de receita informado não tem beneficiários"},  // 51
    {"ER_Data_Nascimento_Valida", 1, u"Verifique dia, mês e ano da data de nascimento"},  // 52
    {"ER_Tipo_BRPDE", 2, u"%s"},  // 53
    {"ER_Data_Nascimento_Valida_Intervalo", 2, u"Data de nascimento deve ser maior que 1851 e menor ou igual ao ano-calendário da declaração"},  // 54
    {"ER_Campo_Branco", 2, u"Deve ser preenchida alguma informação"},  // 55
    {"ER_Registro_Inf_Branco", 2, u"Registro sem o preenchimento do campo Informações Complementares"},  // 56
    {"ER_FaseInf", 2, u"Registro não permitido após a ocorrência de um registro INF"},  // 57
    {"ER_Natureza_RRA_Valida", 2, u"Deve ser informado alguma natureza para os rendimentos recebidos acumuladamente"},  // 58
    {"ER_OrdemBenefRRA", 2, u"Beneficiário de rendimentos recebidos acumuladamente fora de ordem"},  // 59
    {"RN_CPF", 2, u"CPF Inválido"},  // 60
    {"RN_Data_de_Evento_Valida", 2, u"Data do evento fora do ano-calendário"},  // 61
    {"RN_ANO_CALENDARIOVALIDO", 2, u"Ano-calendário inválido"},  // 62
    {"RN_Declaracao_retificadora_valida", 2, u"sem mensagem definida"},  // 63
    {"RN_CPF_valido", 2, u"CPF inválido"},  // 64
    {"RN_CPF_valido_ou_branco", 2, u"CPF inválido"},  // 65
    {"RN_Correio_eletronico_valido", 2, u"Correio eletrônico(e-mail) inválido"},  // 66
    {"RN_FIMTOLV", 2, u"Registro não encontrado no arquivo"},  // 67
    {"RN_Nome", 2, u"Nome inválido"},  // 68
    {"RN_CNPJ_AdvogadoValido", 2, u"CNPJ inválido"},  // 69
    {"RN_CPF_AdvogadoValido", 2, u"CPF inválido"},  // 70
    {"ER_CPF_CNPJ_Advogado_TamanhoValido", 2, u"CPF/CNPJ inválido"},  // 71
    {"RN_Fundo_ou_clube_de_investimento_valido", 2, u"O CNPJ do fundo ou clube de investimento deverá ser sempre o de ordem 0001"},  // 72
    {"RN_FCI_Diferente_Declarante", 2, u"CNPJ do fundo ou clube de investimento não pode ser igual ao CNPJ do declarante"},  // 73
    {"RN_Declaracao_situacao_normal_valida", 2, u"Para este ano-calendário a declaração é de situação especial, extinção para declarante pessoa jurídica ou encerramento de espólio/saída definitiva do país para declarante pessoa física"},  // 74
    {"RN_Declaracao_situacao_especial_valida", 2, u"Para o ano-calendário informado a situação da declaração deve ser normal. Para declarações de situação especial de anos anteriores verifique e utilize o programa gerador adequado"},  // 75
    {"RN_Nome_AdvogadoValido", 2, u"Deve ser informado o tipo de advogado no campo 4 para que o nome seja válido."},  // 76
    {"RN_Socio_ostensivo_valido", 2, u"Valor do indicador de sócio ostensivo responsável por SCP não permitido para a natureza do declarante"},  // 77
    {"RN_Natureza_de_Declarante_de_Depositario_de_Credito_Valida", 2, u"Natureza do declarante não permite que a instituição seja depositária de crédito decorrente de decisão judicial"},  // 78
    {"RN_Natureza_de_Declarante_de_Fundo_ou_Clube_de_Investimento_Valida", 2, u"Natureza do declarante não permite que a instituição seja administradora de fundo ou clube de investimento"},  // 79
    {"RN_Pagamento_a_nao_Residentes_ou_Domiciliados_no_Exterior_Valido", 2, u"Natureza do declarante não permite que a instituição faça remessas a residentes ou domicilidados no exterior"},  // 80
    {"RN_Nome_valido", 2, u"Nome inválido"},  // 81
    {"RN_Nome_empresarial_valido", 2, u"Nome inválido"},  // 82
    {"RN_Numero_do_Recibo_Valido", 2, u"Número de recibo inválido"},  // 83
    {"RN_CNPJ_valido", 2, u"CNPJ inválido"},  // 84
    {"RN_Data_do_Laudo_Valida", 2, u"Data do laudo deve ser menor ou igual ao ano-calendário da declaração"},  // 85
    {"ER_Data_Inferior_do_Laudo_Valida", 2, u"Data do laudo deve ser superior a 31/12/1899"},  // 86
    {"RN_Beneficiario_Pessoa_Fisica_Valido", 2, u"O declarante não pode ser beneficiário dele mesmo"},  // 87
    {"RN_Beneficiario_Pessoa_Juridica_Valido", 2, u"O declarante não pode ser beneficiário dele mesmo"},  // 88
    {"RN_Codigo_de_pais_valido", 2, u"País inválido"},  // 89
    {"RN_Relacao_Tabela_PJPJ", 1, u"Relação fonte pagadora/beneficiário inválida"},  // 90
    {"RN_Declaracao_Extincao_Valido", 2, u"Declaração deve ser de situação especial quando o ano-calendário for igual ao de referência"},  // 91
    {"RN_Tipo_Evento_Valido", 2, u"Declaração deve possuir um evento válido informado quando for de situação especial para pessoa física"},  // 92
    {"RN_Numero_do_Processo_Valido", 2, u"Número de processo inválido"},  // 93
    {"RN_Numero_do_Processo_Valido_RRA", 2, u"Número de processo inválido"},  // 94
    {"RN_Registro_Unico", 2, u"Este registro deve ser único"},  // 95
    {"RN_Registro_Unico_Por_Pai", 2, u"Este registro deve ser único"},  // 96
    {"RN_Beneficiario_Juridico_13_Valido", 2, u"Valor não permitido para beneficiário pessoa jurídica"},  // 97
    {"RN_Numero_endereco_remessa_valido", 2, u"Número do logradouro inválido"},  // 98
    {"RN_Codigo_postal_remessa_valido", 2, u"Código postal inválido"},  // 99
    {"RN_Telefone_remessa_valido", 2, u"Telefone inválido"},  // 100
    {"RN_Nome_remessa_valido", 2, u"Nome inválido"},  // 101
    {"RN_Data_Pagamento_valida", 2, u"A data de pagamento deve pertencer ao ano-calendário da declaração"},  // 102
    {"RN_Benificiario_INF_nao_duplicado", 2, u"Registro duplicado para o beneficiário informado"},  // 103
    {"RN_Ordem_benificiario_INF_valida", 2, u"Registro fora de ordem para o beneficiário informado"},  // 104
    {"RN_CPF_CNPJ_remessa_valido", 2, u"CPF/CNPJ inválido"},  // 105
    {"RN_Beneficiario_FCI_Diferente_FC", 2, u"O fundo ou clube de investimento não pode ser beneficiário dele mesmo"},  // 106
    {"RN_Registro_INF_Valido", 2, u"Registro INF sem beneficiários declarados"},  // 107
    {"RN_Fonte_pagadora_PJ_Beneficiario_PJ_Valida", 1, u"Campo não permitido para beneficiário pessoa física"},  // 108
    {"RN_Declarante_PJ_Beneficiario_PJ_Valida", 1, u"Relação fonte pagadora pessoa física inválida para beneficiário"},  // 109
    {"RN_Fonte_Pagadora_valida", 2, u"Relação fonte pagadora inválida"},  // 110
    {"RN_Codigo_Receita_Valido", 2, u"Código de receita inválido ou não permitido para o bloco de RPDE – pagamentos a residentes ou domiciliados no exterior"},  // 111
    {"RN_Codigo_Receita_Valido_Para_Pais", 2, u"Código de receita não permitido para o país informado"},  // 112
    {"RN_Forma_de_tributacao_valido", 2, u"Código de forma de tributação inválido"},  // 113
    {"RN_Registro_ANS_valido", 2, u"Registro ANS inválido"},  // 114
    {"RN_Valor_pago_Titular_valido", 2, u"Valor total no ano para titular deve ser diferente de zero"},  // 115
    {"RN_Declaracao_Plano_Saude_valido", 2, u"Plano de Saúde somente é permitido quando for Titular de Serviços Notariais"},  // 116
    {"RN_Relacao_dependencia_valida", 2, u"Código de relação de dependência inexistente"},  // 117
    {"RN_CPF_nao_informado_dependente", 1, u"CPF e data de nascimento do dependente não informados"},  // 118
    {"RN_Tipo_de_Rendimento_valido", 2, u"Tipo de rendimento inválido ou inexistente"},  // 119
    {"RN_Tipo_de_Rendimento_Valido_Para_Codigo", 2, u"Tipo de rendimento não permitido para o código informado"},  // 120
    {"RN_Tipo_Advogado", 2, u"%s"},  // 121
    {"ER_Data_do_Laudo_indevido", 1, u"Data do laudo não permitida para o código de receita informado"},  // 122
    {"ER_ExisteBeneficiarioInf", 2, u"Beneficiário não consta na base"},  // 123
    {"ER_ExisteRemessa", 2, u"Remessa já existente na base para o NIF informado"},  // 124
    {"RN_Declarante_PJ", 2, u"Registro não permitido para declarante pessoa física"},  // 125
    {"RN_Tamanho_Nome_advogado", 1, u"Nome de pessoa física não pode ter mais de sessenta caracteres"},  // 126
    {"ER_NI_Nome_Obrigatorio", 2, u"CPF/CNPJ ou Nome do advogado é obrigatório"},  // 127
    {"RN_Dependente_Igual_Titular_Plano", 2, u"CPF do dependente igual ao do titular"},  // 128
    {"RN_IDREC_RRA", 2, u"Valor não previsto para este campo"},  // 129
    {"RN_TIPO2_SEMJUSTICA", 2, u"Indicador de declarante depositário de crédito decorrente de decisão judicial igual a \"N\". Os registros referentes aos rendimentos recebidos acumuladamente pagos pela justiça não foram importados"},  // 130
    {"RN_JaExisteRra", 1, u"Existe um registro equivalente e está sendo inserido outro"},  // 131
    {"RN_Valida_RRA_Beneficiario_Declarante", 2, u"O declarante não pode ser beneficiário dele mesmo"},  // 132
    {"RN_Valida_AdvogadoRRA_Declarante", 2, u"O %s do advogado não pode ser igual ao %s do declarante"},  // 133
    {"RN_Valor_apos_encerramento", 1, u"Não é permitido o preenchimento de valores para mês superior ao informado na data do evento"},  // 134
    {"RN_NumeroProcessoObrigatorio", 2, u"Número de processo obrigatório para rendimentos recebidos acumuladamente pagos pela justiça"},  // 135
    {"ER_CPF_CNPJ_TamanhoValido", 2, u"Tamanho do campo diferente do definido no leiaute de importação"},  // 136
    {"RN_NIF_Dispensa", 1, u"NIF não deve ser preenchido quando existe motivo de dispensa"},  // 137
    {"RN_TIPO2_PF", 2, u" "},  // 138
    {"RN_Justificativa_Dupla_NIF_Invalida", 1, u"Não podem ser preenchidas simultaneamente as opções de motivo do não preenchimento do NIF"},  // 139
    {"RN_NIF_caracter_valido", 2, u"Número de identificação fiscal inválido"},  // 140
    {"RN_Telefone_valido", 1, u"Campo com tamanho inválido"},  // 141
    {"RN_Voluntario_Copa_Valido", 2, u"Natureza do declarante não permite informar que efetuou pagamentos relacionados à Copa das Confederações Fifa 2013 e Copa do Mundo Fifa 2014"},  // 142
    {"ER_Bolsa_Medico_Valido", 2, u"Natureza do declarante não permite informar bolsa médico-residente"},  // 143
    {"RN_Data_Declaracao_situacao_especial_valida", 2, u"Campo preenchido indevidamente"},  // 144
    {"ER_RegraFinal", 2, u""},  // 145
};

const QHash<QString, int>& IndicePorNome() {
  static const QHash<QString, int> indice = [] {
    QHash<QString, int> h;
    for (int i = 0; i < TListaValidadores::kQuantidade; ++i)
      h.insert(QString::fromLatin1(kCatalogo[i].nome).toLower(), i);
    return h;
  }();
  return indice;
}

const std::array<QString, TListaValidadores::kQuantidade>& NomesCatalogo() {
  static const std::array<QString, TListaValidadores::kQuantidade> nomes = [] {
    std::array<QString, TListaValidadores::kQuantidade> n;
    for (int i = 0; i < TListaValidadores::kQuantidade; ++i) n[size_t(i)] = QString::fromLatin1(kCatalogo[i].nome);
    return n;
  }();
  return nomes;
}

}  // namespace

TListaValidadores::TListaValidadores() {
  for (int i = 0; i < kQuantidade; ++i) {
    auto& item = m_itens[size_t(i)];
    item.nome = NomesCatalogo()[size_t(i)];
    item.severidade = kCatalogo[i].severidade;
    item.mensagem = QString::fromUtf16(kCatalogo[i].mensagem);
  }
}

int TListaValidadores::Indice(QStringView nome) {
  const auto& indice = IndicePorNome();
  const auto it = indice.constFind(nome.toString().toLower());
  return it == indice.constEnd() ? -1 : it.value();
}

QStringView TListaValidadores::NomeOriginal(int ordinal) { return NomesCatalogo()[size_t(ordinal)]; }

QString TListaValidadores::MensagemOriginal(int ordinal) { return QString::fromUtf16(kCatalogo[ordinal].mensagem); }

void TListaValidadores::SetMensagem(QStringView nome, const QString& texto) {
  const int i = Indice(nome);
  if (i >= 0) SetMensagem(i, texto);
}

QString TListaValidadores::FormataMensagem(const QString& mensagem, const QString& argumentos) {
  QString texto = mensagem;
  qsizetype inicioArgumento = 0;
  qsizetype i = 0;
  while (i + 1 < texto.size()) {
    if (texto[i] != u'%' || texto[i + 1] != u's') {
      ++i;
      continue;
    }
    QString argumento;
    if (inicioArgumento < argumentos.size()) {
      const qsizetype separador = argumentos.indexOf(u';', inicioArgumento);
      const qsizetype fim = separador < 0 ? argumentos.size() : separador;
      argumento = argumentos.mid(inicioArgumento, fim - inicioArgumento);
      inicioArgumento = separador < 0 ? argumentos.size() : separador + 1;
    }
    if (argumento.isEmpty()) {
      texto.remove(i, 3);
    } else {
      texto.replace(i, 2, argumento);
      i += argumento.size();
    }
  }
  if (!texto.contains(u'?') && !texto.endsWith(u'.')) texto += u'.';
  return texto;
}
